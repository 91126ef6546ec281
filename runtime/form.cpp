#include "form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <algorithm>

#include "fonts.h"
#include "pictures.h"
#include "qt_colors.h"
#include "twips.h"

namespace rt {

detail::FormWidgets::FormWidgets(QWidget& window)
    : clientArea(&window), drawingSurface(clientArea), focusMark(clientArea)
{
}

// (The widgets are built on the window, which is already a QWidget here;
// the cast picks that constructor over FormWidgets' copy.)
Form::Form(Session& session, const FormProps& props)
    : FormWidgets(static_cast<QWidget&>(*this)),
      Drawing(drawingSurface, *this),
      Speech(session, clientArea, drawingSurface, props.description),
      session_(session),
      fit_(*this, session.display()),
      notice_(clientArea, [this](const QString& sentence) { announce(sentence); }),
      measures_(props.measures),
      law_(props.law),
      helpPage_(QString::fromUtf8(props.help))
{
    KeyActions keys = sharedKeyActions(*this, kind(), session, fit_, notice_, helpPage_);
    // F9: a simulator's measurements.
    if (!measures_.empty())
        keys.emplace_back(Key::Measurements, [this] {
            if (holder_ == nullptr) return;
            holder_->measurements().setColumns(measures_, law_);
            holder_->showMeasurements();
        });
    installKeys(*this, kind(), keys);
    setObjectName(QString::fromUtf8(props.name));
    setWindowTitle(QString::fromUtf8(props.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    const QSize size = clientSize();
    clientArea.setGeometry(QRect(QPoint(0, 0), size));
    resize(size);
    setMinimumSize(size / 2);
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == nullptr || now->window() == this) focusMark.follow(now, zoom_);
    });
    font_ = props.font;
    backColor_ = props.backColor;
    setFont(toQFont(font_));
    applyBackground();
    setAutoFillBackground(true);
    if (props.icon != nullptr) setWindowIcon(renderIcon(props.icon));
    if (props.left >= 0 && props.top >= 0)
        setGeometry(QRect(QPoint(toPixels(props.left), toPixels(props.top)), this->size()));
}

Form::~Form() = default;

void Form::Unload()
{
    if (holder_ != nullptr)
        holder_->Unload();
    else
        hide();
}

void Form::record(std::initializer_list<std::string> row)
{
    if (holder_ == nullptr) return;
    QStringList values;
    for (const std::string& value : row) values << QString::fromStdString(value);
    Measurements& measurements = holder_->measurements();
    // The first row tells a pupil who never read about F9 where it went. A
    // screen reader's user hears of F9 in every window's help instead: said
    // after the results, it would change what each form announces.
    if (measurements.empty()) notice_.show(QStringLiteral("Mesura afegida a la taula: premeu F9 per veure-la"));
    measurements.setColumns(measures_, law_);
    measurements.record(values);
}

void Form::BackToStartupForm()
{
    if (holder_ != nullptr) holder_->showStartupForm();
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
    if (holder_ == nullptr) return;  // a form outside the runtime closes as any window
    event->ignore();
    holder_->requestClose();
}

void Form::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Form::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && clientArea.geometry().contains(event->position().toPoint());
    pressed_ = false;
    if (click && click_) session_.dispatch(this, click_);
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitToWindow();
}

void Form::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    fit_.moved();
}

void Form::applyBackground()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(session_.fill(backColor_)));
    setPalette(palette);
}

void Form::recolour()
{
    applyBackground();
    for (Control* c : allControls()) c->recolour();
    redraw(clientArea.size(), clientArea.devicePixelRatioF() * zoom_);
    update();
}

void Form::fitToWindow()
{
    const double zoom = fittingZoom(size());
    const QSize client = clientSize(zoom);
    clientArea.setGeometry(QRect(QPoint((width() - client.width()) / 2, (height() - client.height()) / 2), client));
    if (zoom == zoom_) return;
    zoom_ = zoom;
    for (Control* c : allControls()) c->rescale();
    notice_.rescale(zoom);
    QWidget* focused = QApplication::focusWidget();
    focusMark.follow(focused != nullptr && focused->window() == this ? focused : nullptr, zoom);
    // The drawing, again, at the new size.
    redraw(client, clientArea.devicePixelRatioF() * zoom);
}

}  // namespace rt
