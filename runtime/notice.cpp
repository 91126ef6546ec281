#include "notice.h"

#include <cmath>

namespace rt {

namespace {

constexpr int kShownMs = 2500;

}  // namespace

NoticeLabel::NoticeLabel(QWidget& client) : QLabel(&client)
{
    setObjectName(QStringLiteral("avísBreu"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    hide();
}

Notice::Notice(QWidget& client, std::function<void(const QString&)> say) : say_(std::move(say)), label_(client)
{
    shown_.setSingleShot(true);
    shown_.setInterval(kShownMs);
    QObject::connect(&shown_, &QTimer::timeout, &label_, &QWidget::hide);
}

void Notice::show(const QString& sentence)
{
    label_.setText(sentence);
    place();
    label_.show();
    label_.raise();
    shown_.start();
}

void Notice::tell(const QString& sentence)
{
    show(sentence);
    say_(sentence);
}

void Notice::rescale(double zoom)
{
    zoom_ = zoom;
    if (label_.isVisible()) place();
}

void Notice::place()
{
    // White on near-black, as large as a caption read from the back of the
    // room, in the top-left corner, over the form's title: clear of the
    // buttons and of the drawing an animation moves.
    const auto px = [this](double pixels) { return int(std::lround(pixels * zoom_)); };
    // (The form's face, as it is once the form is built; a widget with a
    // style sheet of its own does not inherit it.)
    QFont font = label_.parentWidget()->font();
    font.setPixelSize(px(15));
    font.setBold(true);
    label_.setFont(font);
    label_.setStyleSheet(QStringLiteral("background-color: rgba(20, 20, 20, 215); color: white; "
                                        "border-radius: %1px; padding: %2px %3px;")
                             .arg(px(6))
                             .arg(px(6))
                             .arg(px(12)));
    label_.adjustSize();
    label_.move(px(8), px(8));
}

}  // namespace rt
