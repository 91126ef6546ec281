#pragma once
// Windowless controls: labels, shapes, line controls and images. They are
// painted in their container's designer order below the drawing surface.
// Shapes and lines let clicks through to the form; labels and images keep
// theirs.

#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <string>

#include "control.h"

namespace rt {

class Label : public Control {
public:
    Label(Container& container, const LabelProps& props);

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setCaption(const std::string& caption) { setCaption(QString::fromStdString(caption)); }
    void setCaption(const char* caption) { setCaption(QString::fromUtf8(caption)); }
    Color BackColor() const { return backColor_; }
    Color ForeColor() const { return foreColor_; }
    bool transparent() const { return transparent_; }
    // The caption as shown, in Greek where the label's face is Symbol.
    QString shownText() const;
    // A result reads as a sentence with its caption and unit: "Pressió:
    // .0003184713 MPascals".
    QString accessibleText() const override;
    bool spoken() const override { return caption_ != nullptr || Control::spoken(); }
    void link() override;
    // The labels a result is read with, and the result a caption or unit
    // label belongs to (null if none).
    const Label* captionLabel() const { return captionLabel_; }
    const Label* unitLabel() const { return unitLabel_; }
    const Label* resultLabelled() const { return labelFor_; }

    // How the caption is laid out in the label's box: wrapped at blanks
    // where the box holds several lines; on one line, smaller if it must,
    // where it holds only one, so that a long number is never hidden.
    struct TextLayout {
        QFont font;
        QStringList lines;
    };
    TextLayout textLayout() const;
    // Where the text goes: inside the border, if any.
    QRect textRect() const;

private:
    class View;
    friend class View;
    QString caption_;
    const QString designCaption_;
    Label* captionLabel_;
    Label* unitLabel_;
    const Label* labelFor_ = nullptr;
    bool announced_;
    Color backColor_, foreColor_;
    bool transparent_, border_;
    bool symbol_;
    Align alignment_;
};

class Shape : public Control {
public:
    Shape(Container& container, const ShapeProps& props);

    FillStyle fillStyle() const { return fillStyle_; }
    void setFillStyle(FillStyle style) { setShown(fillStyle_, style); }
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color color) { setShown(fillColor_, color); }
    BackStyle backStyle() const { return backStyle_; }
    void setBackStyle(BackStyle style) { setShown(backStyle_, style); }
    Color BackColor() const { return backColor_; }
    Color BorderColor() const { return borderColor_; }

    QRect viewRect(float left, float top, float width, float height, double zoom) const override;

private:
    class View;
    friend class View;
    ShapeKind kind_;
    FillStyle fillStyle_;
    Color fillColor_;
    BackStyle backStyle_;
    Color backColor_, borderColor_;
    int borderWidth_;
    bool borderVisible_;
};

class LineControl : public Control {
public:
    LineControl(Container& container, const LineProps& props);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(float v) { setEnds(v, y1_, x2_, y2_); }
    void setY1(float v) { setEnds(x1_, v, x2_, y2_); }
    void setX2(float v) { setEnds(x1_, y1_, v, y2_); }
    void setY2(float v) { setEnds(x1_, y1_, x2_, v); }
    void setEnds(float x1, float y1, float x2, float y2);
    int BorderWidth() const { return borderWidth_; }
    Color BorderColor() const { return borderColor_; }
    QRect viewRect(float left, float top, float width, float height, double zoom) const override;

private:
    class View;
    friend class View;
    float x1_, y1_, x2_, y2_;
    int borderWidth_;
    Color borderColor_;
};

class Image : public Control {
public:
    Image(Container& container, const ImageProps& props);
    QString accessibleText() const override { return description_; }

private:
    class View;
    QString description_;
};

}  // namespace rt
