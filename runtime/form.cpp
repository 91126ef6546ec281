#include "form.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "errors.h"
#include "fonts.h"
#include "pictures.h"
#include "runtime.h"
#include "twips.h"
#include "windowless.h"

namespace rt {

QColor toQColor(Color color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

// ---- DrawingSurface --------------------------------------------------------

DrawingSurface::DrawingSurface(QWidget& client) : QWidget(&client)
{
    setObjectName(QStringLiteral("dibuix"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    rescale(QSize(toPixels(Form::kClientWidth), toPixels(Form::kClientHeight)), client.devicePixelRatioF());
}

void DrawingSurface::rescale(QSize logicalSize, qreal scale, bool keep)
{
    painter_.reset();
    const QImage before = keep ? image_ : QImage();
    setGeometry(QRect(QPoint(0, 0), logicalSize));
    dpr_ = devicePixelRatioF();
    scale_ = scale;
    image_ = QImage();
    drawn_ = dirty_ = QRect();
    if (!before.isNull()) {
        image_ = before.scaled((QSizeF(logicalSize) * dpr_).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        drawn_ = rect();
    }
    update();
}

QPainter& DrawingSurface::painter()
{
    // The picture is made at the first drawing: most forms open with none,
    // and a window's worth of transparent pixels slows the start.
    if (image_.isNull()) {
        image_ = QImage((QSizeF(size()) * dpr_).toSize(), QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::transparent);
    }
    if (!painter_) painter_.emplace(&image_);
    return *painter_;
}

void DrawingSurface::touched(const QRectF& deviceRect)
{
    const QRectF logical(deviceRect.topLeft() / dpr_, deviceRect.size() / dpr_);
    const QRect around = logical.toAlignedRect().adjusted(-1, -1, 1, 1);
    dirty_ |= around;
    drawn_ |= around;
}

void DrawingSurface::line(QPointF from, QPointF to, QColor color, int width)
{
    const int w = std::max(1, static_cast<int>(std::lround(width * scale_)));
    QPainter& p = painter();
    if (from.y() == to.y() || from.x() == to.x()) {
        // Level and upright lines, the most common, as exact pixel runs.
        const int x1 = static_cast<int>(std::min(from.x(), to.x())), x2 = static_cast<int>(std::max(from.x(), to.x()));
        const int y1 = static_cast<int>(std::min(from.y(), to.y())), y2 = static_cast<int>(std::max(from.y(), to.y()));
        // The pen is w pixels square: a wide line reaches past its ends by
        // half the pen, and a line of no length is a dot.
        const int half = w / 2;
        const QRect r(x1 - half, y1 - half, x2 - x1 + w, y2 - y1 + w);
        p.fillRect(r, color);
        touched(r);
        return;
    }
    QPen pen(color, w);
    pen.setCapStyle(w > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(from, to);
    touched(QRectF(from, to).normalized().adjusted(-w, -w, w, w));
}

void DrawingSurface::box(QRectF r, QColor color, int width, bool filled)
{
    r = r.normalized();
    if (filled) {
        const QRect cells(QPoint(static_cast<int>(r.left()), static_cast<int>(r.top())),
                          QPoint(static_cast<int>(r.right()), static_cast<int>(r.bottom())));
        painter().fillRect(cells, color);
        touched(cells);
        return;
    }
    line(r.topLeft(), r.topRight(), color, width);
    line(r.topRight(), r.bottomRight(), color, width);
    line(r.bottomRight(), r.bottomLeft(), color, width);
    line(r.bottomLeft(), r.topLeft(), color, width);
}

void DrawingSurface::clear()
{
    painter_.reset();
    if (drawn_.isEmpty()) return;
    image_.fill(Qt::transparent);
    dirty_ |= drawn_;
    drawn_ = QRect();
}

void DrawingSurface::erase(const QRect& logicalRect)
{
    if (!logicalRect.isValid() || !logicalRect.intersects(drawn_)) return;
    const QRect r((logicalRect.topLeft() * dpr_), (logicalRect.size() * dpr_));
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(r, Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    dirty_ |= logicalRect;
}

void DrawingSurface::flush()
{
    painter_.reset();
    if (dirty_.isEmpty()) return;
    update(dirty_);
    dirty_ = QRect();
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    painter_.reset();
    const QRect r = event->rect() & drawn_;
    if (r.isEmpty()) return;
    QPainter p(this);
    const QRectF source(QPointF(r.topLeft()) * dpr_, QSizeF(r.size()) * dpr_);
    p.drawImage(QRectF(r), image_, source);
}

// ---- FocusMark -------------------------------------------------------------

FocusMark::FocusMark(QWidget& client) : QWidget(&client)
{
    setObjectName(QStringLiteral("marcaDelFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusMark::follow(QWidget* control, double zoom)
{
    if (control == nullptr || !control->isVisible()) {
        hide();
        return;
    }
    width_ = std::max(2, static_cast<int>(std::lround(2 * zoom)));
    const QRect around(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(around.adjusted(-width_, -width_, width_, width_));
    show();
    raise();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(rect()).adjusted(width_ / 2.0, width_ / 2.0, -width_ / 2.0, -width_ / 2.0));
}

// ---- Form ------------------------------------------------------------------

Form::Form(const FormProps& props)
    : client_(this), surface_(client_), focusMark_(client_), description_(QString::fromUtf8(props.description))
{
    setObjectName(QString::fromUtf8(props.name));
    setWindowTitle(QString::fromUtf8(props.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    const QSize client(toPixels(kClientWidth), toPixels(kClientHeight));
    client_.setGeometry(QRect(QPoint(0, 0), client));
    resize(client);
    setMinimumSize(client / 2);
    // The presentation keys; the forms' own keys are Alt and a letter.
    const auto key = [this](QKeySequence sequence, std::function<void()> action) {
        QObject::connect(new QShortcut(sequence, this), &QShortcut::activated, this, std::move(action));
    };
    // Ctrl++ is also Ctrl+Shift+= and the keypad's plus; many type Ctrl+=.
    // (A key bound twice would be ambiguous and do nothing.)
    key(QKeySequence(QKeySequence::ZoomIn), [this] { stepZoom(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { stepZoom(1); });
    key(QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)), [this] { stepZoom(1); });
    key(QKeySequence(QKeySequence::ZoomOut), [this] { stepZoom(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { stepZoom(0); });
    key(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || now->window() == this) focusMark_.follow(now, zoom_);
    });
    font_ = props.font;
    backColor_ = props.backColor;
    setFont(toQFont(font_));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(backColor_));
    setPalette(palette);
    setAutoFillBackground(true);
    if (props.icon != nullptr) setWindowIcon(renderIcon(props.icon));
    if (props.left >= 0 && props.top >= 0)
        setGeometry(QRect(QPoint(toPixels(props.left), toPixels(props.top)), size()));
}

Form::~Form() = default;

void Form::attach(FormInstanceBase* instance)
{
    instance_ = instance;
}

void Form::Unload()
{
    if (instance_ != nullptr)
        instance_->Unload();
    else
        hide();
}

void Form::BackToStartupForm()
{
    Runtime::instance().showStartupForm();
    Unload();
}

std::vector<Control*> Form::allControls() const
{
    std::vector<Control*> all(controls().begin(), controls().end());
    for (size_t i = 0; i < all.size(); ++i)
        if (auto* inner = dynamic_cast<Container*>(all[i]))
            all.insert(all.end(), inner->controls().begin(), inner->controls().end());
    return all;
}

Control* Form::findControl(const QString& name) const
{
    for (Control* c : allControls())
        if (c->name() == name) return c;
    return nullptr;
}

void Form::finishLoad()
{
    const std::vector<Control*> all = allControls();
    for (Control* c : all) c->link();
    restack();
    for (Control* c : all)
        if (auto* inner = dynamic_cast<Container*>(c)) inner->restack();
    std::vector<Control*> tabStops;
    for (Control* c : all)
        if (!c->windowless() && c->tabIndex() >= 0 && (c->widget().focusPolicy() & Qt::TabFocus)) tabStops.push_back(c);
    std::stable_sort(tabStops.begin(), tabStops.end(), [](auto* a, auto* b) { return a->tabIndex() < b->tabIndex(); });
    for (size_t i = 1; i < tabStops.size(); ++i) setTabOrder(&tabStops[i - 1]->widget(), &tabStops[i]->widget());
    for (Control* c : tabStops)
        if (c->widget().isEnabled() && c->Visible()) {
            c->widget().setFocus(Qt::OtherFocusReason);
            break;
        }
    loadFinished_ = true;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (instance_ == nullptr) return;  // a form outside the runtime closes as any window
    event->ignore();
    Runtime::instance().requestClose(*instance_);
}

void Form::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Form::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && client_.geometry().contains(event->position().toPoint());
    pressed_ = false;
    if (click && click_) Runtime::instance().dispatch(this, click_);
}

// ---- drawing ---------------------------------------------------------------

QPointF Form::twipsOf(float x, float y) const
{
    const double twipsX = static_cast<double>(x) * twipsPerUnitX_;
    const double twipsY = static_cast<double>(y) - scaleTop_;
    // Far beyond any screen (or not a number): the drawing call fails.
    constexpr double kLimit = 1e8;
    if (!(std::fabs(twipsX) < kLimit && std::fabs(twipsY) < kLimit)) throw Overflow();
    return QPointF(twipsX, twipsY);
}

namespace {

// Pixel coordinates of a point given in twips, at a number of pixels to 15
// twips.
QPointF pixelsOf(QPointF twips, double scale)
{
    const double s = scale / kTwipsPerPixel;
    return QPointF(std::floor(twips.x() * s + 0.5), std::floor(twips.y() * s + 0.5));
}

}  // namespace

QColor Form::penColor(Color color) const
{
    return toQColor(color == kDefaultColor ? foreColor_ : color);
}

void Form::paint(const Drawn& d)
{
    if (d.kind == Drawn::Kind::Erase) {
        surface_.erase(d.control->viewRect(d.x1, d.y1, d.x2, d.y2, zoom_));
        return;
    }
    const QPointF a = pixelsOf(QPointF(d.x1, d.y1), surface_.scale());
    const QPointF b = pixelsOf(QPointF(d.x2, d.y2), surface_.scale());
    const QColor color = QColor::fromRgb(d.color);
    if (d.kind == Drawn::Kind::Segment)
        surface_.line(a, b, color, d.width);
    else
        surface_.box(QRectF(a, b), color, d.width, d.kind == Drawn::Kind::FilledBox);
}

void Form::record(const Drawn& drawn)
{
    if (!replayable_) return;
    if (drawn_.size() == kMaxDrawn) {
        replayable_ = false;
        std::vector<Drawn>().swap(drawn_);
        return;
    }
    drawn_.push_back(drawn);
}

void Form::draw(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Color color)
{
    const QPointF from = twipsOf(x1, y1), to = twipsOf(x2, y2);
    const Drawn drawn{float(from.x()),
                      float(from.y()),
                      float(to.x()),
                      float(to.y()),
                      penColor(color).rgb(),
                      static_cast<std::uint16_t>(std::min(drawWidth_, 65535)),
                      static_cast<Drawn::Kind>(kind),
                      nullptr};
    record(drawn);
    paint(drawn);
    // What a call costs is counted in pixels at a zoom of 1 and a pixel
    // ratio of 1, so that an animation lasts as long on any screen.
    const QPointF a = pixelsOf(from, 1), b = pixelsOf(to, 1);
    const double dx = std::abs(a.x() - b.x()), dy = std::abs(a.y() - b.y());
    double pixels = 0;
    switch (kind) {
    case DrawCall::Kind::Segment: pixels = (dx + dy + drawWidth_) * drawWidth_; break;  // a square pen along it
    case DrawCall::Kind::Box: pixels = 2 * (dx + dy + drawWidth_) * drawWidth_; break;
    case DrawCall::Kind::FilledBox: pixels = (dx + 1) * (dy + 1); break;
    }
    Runtime::instance().pacer().chargeDrawing(static_cast<long long>(pixels));
    if (recorder_) recorder_({kind, x1, y1, x2, y2, color == kDefaultColor ? foreColor_ : color, drawWidth_});
    currentX_ = x2;
    currentY_ = y2;
}

void Form::eraseDrawing(const Control& control)
{
    if (drawn_.empty() && replayable_) return;  // nothing drawn since Cls
    const Drawn erased{control.Left(),     control.Top(), control.Width(), control.Height(), 0, 0,
                       Drawn::Kind::Erase, &control};
    record(erased);
    paint(erased);
}

void Form::Line(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Segment, x1, y1, x2, y2, color);
}

void Form::LineTo(float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Segment, currentX_, currentY_, x2, y2, color);
}

void Form::Box(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Box, x1, y1, x2, y2, color);
}

void Form::FilledBox(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::FilledBox, x1, y1, x2, y2, color);
}

void Form::Cls()
{
    describeDrawing(QString());
    surface_.clear();
    drawn_.clear();
    replayable_ = true;
    currentX_ = currentY_ = 0;
    Runtime::instance().pacer().chargeDrawing(0);
}

// ---- what a screen reader is told ----------------------------------------

void Form::describeDrawing(const QString& description)
{
    if (description == drawingDescription_) return;
    const bool shown = !drawingDescription_.isEmpty(), showing = !description.isEmpty();
    drawingDescription_ = description;
    QAccessibleEvent renamed(&surface_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (shown != showing) {
        QAccessibleEvent event(&surface_, showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

void Form::announce(const Label& label)
{
    if (std::find(heard_.begin(), heard_.end(), &label) == heard_.end()) heard_.push_back(&label);
    if (!Runtime::instance().inHandler()) speak();
}

void Form::announce(const QString& sentence)
{
    sentences_.append(sentence);
    if (!Runtime::instance().inHandler()) speak();
}

void Form::speak()
{
    QStringList sentences;
    // A result emptied again before the handler ended says nothing.
    for (const Label* label : heard_)
        if (!label->Caption().trimmed().isEmpty()) sentences.append(label->accessibleText().trimmed());
    sentences += sentences_;
    heard_.clear();
    sentences_.clear();
    if (sentences.isEmpty()) return;
    for (QString& s : sentences)
        if (!s.endsWith(QLatin1Char('.')) && !s.endsWith(QLatin1Char('!'))) s += QLatin1Char('.');
    constexpr size_t kKept = 4;
    if (said_.size() == kKept) said_.erase(said_.begin());
    if (!said_.empty()) said_.back()->replaced();
    said_.push_back(std::make_unique<Announcer>(client_, sentences.join(QLatin1Char(' '))));
}

void Form::setDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767) throw InvalidPropertyValue();
    drawWidth_ = pixels;
}

void Form::setScaleWidth(float units)
{
    if (units == 0) throw InvalidArgument();
    twipsPerUnitX_ = kClientWidth / units;
}

// ---- zoom and full screen --------------------------------------------------

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitToWindow();
}

void Form::fitToWindow()
{
    const double zoom =
        std::min(width() / (kClientWidth / kTwipsPerPixel), height() / (kClientHeight / kTwipsPerPixel));
    const QSize client(toPixels(kClientWidth, zoom), toPixels(kClientHeight, zoom));
    client_.setGeometry(QRect(QPoint((width() - client.width()) / 2, (height() - client.height()) / 2), client));
    if (zoom == zoom_) return;
    zoom_ = zoom;
    for (Control* c : allControls()) c->rescale();
    focusMark_.follow(QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == this
                          ? QApplication::focusWidget()
                          : nullptr,
                      zoom);
    // The drawing, again, at the new size: nothing is lost or blurred (but
    // for a drawing too long to keep, which is stretched).
    surface_.rescale(client, client_.devicePixelRatioF() * zoom, !replayable_);
    for (const Drawn& d : drawn_) paint(d);
    surface_.flush();
}

namespace {

constexpr double kZoomSteps[] = {1, 1.25, 1.5, 2, 2.5, 3, 4};

}  // namespace

QSize Form::zoomStepSize() const
{
    const Display& display = Runtime::instance().display();
    double zoom = kZoomSteps[display.zoomStep];
    // A step above 100 % never makes the window larger than the screen can
    // show, frame included. A frame that a Wayland compositor draws is not
    // known to the program, and the compositor may centre the window
    // without it: room is kept for borders and for a title bar on either
    // side.
    if (const QScreen* screen = this->screen(); screen != nullptr && zoom > 1) {
        QSize frame = frameGeometry().size() - size();
        if (frame == QSize(0, 0) && display.windowSystemPlacesWindows) frame = QSize(8, 64);
        const QSize room = screen->availableGeometry().size() - frame;
        zoom = std::max(1.0, std::min({zoom, room.width() / double(kClientWidth / kTwipsPerPixel),
                                       room.height() / double(kClientHeight / kTwipsPerPixel)}));
    }
    return {toPixels(kClientWidth, zoom), toPixels(kClientHeight, zoom)};
}

void Form::resizeToZoomStep()
{
    const QSize size = zoomStepSize();
    // Where the window system places windows, a window that grew where it
    // stands could run off the screen, and cannot be moved back.
    if (Runtime::instance().display().windowSystemPlacesWindows && isVisible() &&
        (size.width() > width() || size.height() > height()))
        showAnew(size);
    else
        resize(size);
}

void Form::showAnew(QSize size)
{
    hide();
    setWindowState(Qt::WindowNoState);
    resize(size);
    show();
    activateWindow();  // the keyboard stays with it
}

QPoint placeWithin(const QRect& frame, const QRect& available)
{
    const auto along = [](int start, int length, int from, int room) {
        return length > room ? from : std::clamp(start, from, from + room - length);
    };
    return {along(frame.x(), frame.width(), available.x(), available.width()),
            along(frame.y(), frame.height(), available.y(), available.height())};
}

void Form::showAsChosen()
{
    if (Runtime::instance().display().fullScreen) {
        showFullScreen();
        return;
    }
    resizeToZoomStep();
    show();
    keepOnScreen();
}

namespace {

// The window manager's frame around a window, as last seen around one: a
// window just shown has none yet.
QMargins& knownFrame()
{
    static QMargins margins;
    return margins;
}

}  // namespace

void Form::keepOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr || Runtime::instance().display().windowSystemPlacesWindows) return;
    QRect frame = frameGeometry();
    if (frame == geometry()) frame = geometry().marginsAdded(knownFrame());
    // A form that opens at a fixed place stays whole on a small screen.
    const QPoint place = placeWithin(frame, screen->availableGeometry());
    if (place != frame.topLeft()) move(place);
}

void Form::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    const QRect frame = frameGeometry(), inner = geometry();
    if (frame != inner)
        knownFrame() = QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                                frame.bottom() - inner.bottom());
}

void Form::stepZoom(int steps)
{
    Display& display = Runtime::instance().display();
    const int last = static_cast<int>(std::size(kZoomSteps)) - 1;
    display.zoomStep = steps == 0 ? 0 : std::clamp(display.zoomStep + steps, 0, last);
    // A maximised or full-screen window keeps filling the screen; the step
    // is for the windows opened afterwards.
    if (!isMaximized() && !isFullScreen()) resizeToZoomStep();
}

void Form::toggleFullScreen()
{
    Display& display = Runtime::instance().display();
    display.fullScreen = !isFullScreen();
    if (display.fullScreen) {
        showFullScreen();
    } else if (display.windowSystemPlacesWindows) {
        // The window system would give it back the size it had before,
        // where it stood, whatever the step chosen meanwhile.
        showAnew(zoomStepSize());
    } else {
        showNormal();
        resizeToZoomStep();
    }
}

}  // namespace rt
