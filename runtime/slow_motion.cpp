#include "slow_motion.h"

#include <QKeySequence>
#include <QShortcut>
#include <cmath>
#include <iterator>

#include "pacer.h"
#include "speech.h"

namespace rt {

namespace {

constexpr int kNoticeMs = 2500;

// F5's round, in order.
constexpr struct {
    int slowdown;
    const char* sentence;
} kSteps[] = {{1, "Animacions a velocitat normal"},
              {2, "Animacions a la meitat de la velocitat"},
              {4, "Animacions a un quart de la velocitat"}};

// Where `slowdown` stands in the round; an unknown one, at normal pace.
size_t stepOf(int slowdown)
{
    for (size_t i = 0; i < std::size(kSteps); ++i)
        if (kSteps[i].slowdown == slowdown) return i;
    return 0;
}

}  // namespace

int nextSlowdown(int slowdown)
{
    return kSteps[(stepOf(slowdown) + 1) % std::size(kSteps)].slowdown;
}

QString slowdownSentence(int slowdown)
{
    return QString::fromUtf8(kSteps[stepOf(slowdown)].sentence);
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
    if (notice_.isVisible()) place();
}

void SlowMotion::place()
{
    // White on near-black, as large as a caption read from the back of the
    // room, in the top-left corner, over the form's title: clear of the
    // buttons and of the drawing an animation moves.
    const auto px = [this](double pixels) { return int(std::lround(pixels * zoom_)); };
    // (The form's face, as it is once the form is built; a widget with a
    // style sheet of its own does not inherit it.)
    QFont font = notice_.parentWidget()->font();
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
