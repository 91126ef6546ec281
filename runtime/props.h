#pragma once
// Design-time properties of a control, written in a form file with
// designated initialisers in this field order, as a property sheet would
// list them. Each kind of control reads only the fields that concern it.

#include "colors.h"

namespace rt {

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

struct Props {
    const char* name = "";
    const char* caption = "";  // also a text box's text
    float left = 0, top = 0, width = 0, height = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line controls
    int tabIndex = -1;
    bool enabled = true;
    bool visible = true;
    Color backColor = kDefaultColor;
    Color foreColor = kDefaultColor;
    FontSpec font = {};
    Align alignment = Align::Left;
    bool border = false;  // label and picture box: single-line border
    BackStyle backStyle = BackStyle::Opaque;
    // scroll bars
    int min = 0, max = 32767, value = 0, smallChange = 1, largeChange = 1;
    // shapes and line controls
    ShapeKind shape = ShapeKind::Rectangle;
    FillStyle fillStyle = FillStyle::Transparent;
    Color fillColor = RGB(0, 0, 0);
    Color borderColor = kDefaultColor;
    int borderWidth = 1;
    bool borderVisible = true;
    // images and picture boxes: a resource path and what the picture shows,
    // read to users of assistive technology
    const char* picture = nullptr;
    const char* description = nullptr;
    // what a screen reader announces for a control without a caption
    const char* accessibleName = nullptr;
    // labels: a result's caption and unit (labels of the same form, by
    // name), read with its value as one sentence; a result, or a message
    // marked `announced`, is read out when a handler writes it
    const char* captionLabel = nullptr;
    const char* unitLabel = nullptr;
    bool announced = false;
    // scroll bars: the label that shows the value, and how much one step
    // is worth on screen
    const char* valueLabel = nullptr;
    double shownStep = 1;
};

}  // namespace rt
