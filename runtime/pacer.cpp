#include "pacer.h"

#include <thread>

namespace rt {

Pacer::Pacer()
{
    setClock(nullptr, nullptr);
}

void Pacer::setClock(std::function<Nanos()> now, std::function<void(Nanos)> sleepUntil)
{
    using Clock = std::chrono::steady_clock;
    now_ = now ? std::move(now) : [] { return std::chrono::duration_cast<Nanos>(Clock::now().time_since_epoch()); };
    sleepUntil_ =
        sleepUntil ? std::move(sleepUntil) : [](Nanos t) { std::this_thread::sleep_until(Clock::time_point(t)); };
}

void Pacer::beginHandler()
{
    active_ = true;
    start_ = virtual_ = lastFrame_ = now_();
}

void Pacer::endHandler()
{
    active_ = false;
}

void Pacer::charge(Nanos cost)
{
    if (!active_) return;
    virtual_ += cost * slowdown_;
    if (!enabled_ || virtual_ - lastFrame_ < kFrame) return;
    if (onFrame_) onFrame_();
    if (present_) present_();
    const Nanos now = now_();
    if (virtual_ > now) {
        sleepUntil_(virtual_);
    } else {
        // A slow machine: carry on from real time, keeping what was charged.
        start_ += now - virtual_;
        virtual_ = now;
    }
    lastFrame_ = virtual_;
}

AnimationPace::AnimationPace(Pacer& pacer, const Pace& pace) : pacer_(pacer), before_(pacer.pace())
{
    pacer_.setPace(pace);
}

AnimationPace::~AnimationPace()
{
    pacer_.setPace(before_);
}

}  // namespace rt
