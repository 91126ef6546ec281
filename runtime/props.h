#pragma once
// Design-time properties of the controls, written in a form file with
// designated initialisers, as a property sheet would list them. Each kind
// of control has its own, in one field order shared by all (the name, the
// caption, the place...): a property a kind lacks does not compile.

#include "colors.h"

namespace rt {

class Label;

struct FontSpec {
    const char* face = nullptr;  // nullptr: the container's font
    float size = 8.25f;          // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class Align { Left, Right, Center };
enum class ShapeKind { Rectangle, Oval, Circle, RoundedRectangle };
enum class FillStyle { Solid, Transparent };
enum class BackStyle { Transparent, Opaque };

// What every kind shares: its designer name and place in twips, its place
// in the tab order, whether it shows, its font (none: its container's) and
// what a screen reader calls it where it has no caption.
struct ControlProps {
    const char* name = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    FontSpec font = {};
    const char* accessibleName = nullptr;
};

// Labels. A result names its caption and unit labels (of the same form, by
// name), read with its value as one sentence; a result, or a message marked
// `announced`, is read out when a handler writes it. (A label keeps its tab
// index as designed; it never takes the focus.)
struct LabelProps {
    const char* name = "";
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    Color backColor = kDefaultColor;
    Color foreColor = kDefaultColor;
    FontSpec font = {};
    Align alignment = Align::Left;
    bool border = false;  // a single-line border
    BackStyle backStyle = BackStyle::Opaque;
    const char* accessibleName = nullptr;
    // The labels a result is read with (its caption and its unit), members
    // of the same form: a name that is not one does not compile.
    Label* captionLabel = nullptr;
    Label* unitLabel = nullptr;
    bool announced = false;
};

struct ShapeProps {
    const char* name = "";
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    Color backColor = kDefaultColor;
    BackStyle backStyle = BackStyle::Opaque;
    ShapeKind shape = ShapeKind::Rectangle;
    FillStyle fillStyle = FillStyle::Transparent;
    Color fillColor = RGB(0, 0, 0);
    Color borderColor = kDefaultColor;
    int borderWidth = 1;
    bool borderVisible = true;
    const char* accessibleName = nullptr;
};

// Line controls: placed by their ends.
struct LineProps {
    const char* name = "";
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
    Color borderColor = kDefaultColor;
    int borderWidth = 1;
};

// Images: a resource path, and what the picture shows, read to users of
// assistive technology.
struct ImageProps {
    const char* name = "";
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    const char* picture = nullptr;
    const char* description = nullptr;
};

struct ButtonProps {
    const char* name = "";
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool enabled = true;
    bool visible = true;
    FontSpec font = {};
};

// Scroll bars: the label that shows the value, and how much one step is
// worth on screen.
struct ScrollBarProps {
    const char* name = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool enabled = true;
    bool visible = true;
    int min = 0, max = 32767, value = 0, smallChange = 1, largeChange = 1;
    const char* accessibleName = nullptr;
    const Label* valueLabel = nullptr;  // the label that shows the value
    double shownStep = 1;
};

// Text boxes: the caption is the text.
struct TextBoxProps {
    const char* name = "";
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    FontSpec font = {};
    const char* accessibleName = nullptr;
};

// Picture boxes: a container with a background, a picture at its top-left
// corner and what it shows, and, if asked, a single-line border.
struct PictureBoxProps {
    const char* name = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    Color backColor = kDefaultColor;
    FontSpec font = {};
    bool border = false;
    const char* picture = nullptr;
    const char* description = nullptr;
    const char* accessibleName = nullptr;
};

struct FrameProps {
    const char* name = "";
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    Color backColor = kDefaultColor;
    FontSpec font = {};
};

// Option buttons, named by their array.
struct OptionButtonProps {
    const char* caption = "";
    float left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool visible = true;
    Color backColor = kDefaultColor;
    FontSpec font = {};
};

// What every kind shares, taken from a kind's own properties.
template <class P>
ControlProps common(const P& p)
{
    ControlProps c;
    if constexpr (requires { p.name; }) c.name = p.name;
    if constexpr (requires { p.left; }) c.left = p.left, c.top = p.top, c.width = p.width, c.height = p.height;
    if constexpr (requires { p.tabIndex; }) c.tabIndex = p.tabIndex;
    c.visible = p.visible;
    if constexpr (requires { p.font; }) c.font = p.font;
    if constexpr (requires { p.accessibleName; }) c.accessibleName = p.accessibleName;
    return c;
}

}  // namespace rt
