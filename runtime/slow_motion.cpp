#include "slow_motion.h"

#include <QKeySequence>
#include <QShortcut>
#include <cmath>

#include "pacer.h"
#include "speech.h"

namespace rt {

namespace {

constexpr int kNoticeMs = 2500;

}  // namespace

int nextSlowdown(int slowdown)
{
    return slowdown == 1 ? 2 : slowdown == 2 ? 4 : 1;
}

QString slowdownSentence(int slowdown)
{
    switch (slowdown) {
    case 2: return QStringLiteral("Animacions a la meitat de la velocitat");
    case 4: return QStringLiteral("Animacions a un quart de la velocitat");
    default: return QStringLiteral("Animacions a velocitat normal");
    }
}

SlowMotionNotice::SlowMotionNotice(QWidget& client) : QLabel(&client)
{
    setObjectName(QStringLiteral("avísDeVelocitat"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    hide();
}

SlowMotion::SlowMotion(QWidget& window, QWidget& client, Speech& speech) : speech_(speech), notice_(client)
{
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F5), &window), &QShortcut::activated, &window,
                     [this] { step(); });
    shown_.setSingleShot(true);
    shown_.setInterval(kNoticeMs);
    QObject::connect(&shown_, &QTimer::timeout, &notice_, &QWidget::hide);
}

void SlowMotion::step()
{
    Pacer& pacer = Pacer::instance();
    pacer.setSlowdown(nextSlowdown(pacer.slowdown()));
    const QString sentence = slowdownSentence(pacer.slowdown());
    notice_.setText(sentence);
    place();
    notice_.show();
    notice_.raise();
    shown_.start();
    speech_.announce(sentence);
}

void SlowMotion::rescale(double zoom)
{
    zoom_ = zoom;
    place();
}

void SlowMotion::place()
{
    // White on near-black, as large as a caption read from the back of the
    // room, in the top-left corner, over the form's title: clear of the
    // buttons and of the drawing an animation moves.
    const auto px = [this](double pixels) { return int(std::lround(pixels * zoom_)); };
    QFont font = notice_.font();
    font.setPixelSize(px(15));
    font.setBold(true);
    notice_.setFont(font);
    notice_.setStyleSheet(QStringLiteral("background-color: rgba(20, 20, 20, 215); color: white; "
                                         "border-radius: %1px; padding: %2px %3px;")
                              .arg(px(6))
                              .arg(px(6))
                              .arg(px(12)));
    notice_.adjustSize();
    notice_.move(px(8), px(8));
}

}  // namespace rt
