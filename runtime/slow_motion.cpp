#include "slow_motion.h"

#include <iterator>

namespace rt {

namespace {

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

void stepSlowMotion(Pacer& pacer, Notice& notice)
{
    pacer.setSlowdown(nextSlowdown(pacer.slowdown()));
    notice.tell(slowdownSentence(pacer.slowdown()));
}

}  // namespace rt
