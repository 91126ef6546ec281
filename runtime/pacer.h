#pragma once
// The virtual clock that keeps animations visible and steady.
//
// Handlers never yield: an animation is a plain loop inside a click handler.
// Each drawing call and each visible property change costs a fixed amount
// of virtual time; when the virtual clock is a frame ahead of the last
// presentation, the window is presented and the pacer waits until real time
// catches up. So an animation takes the same time on every machine and
// never runs faster than the eye can follow.

#include <chrono>
#include <functional>

namespace rt {

// What drawing and property changes cost an animation in virtual time:
// each animation declares its own beside its loop, so that its pace is its
// own and tuning one never moves another.
struct Pace {
    std::chrono::nanoseconds drawCall;        // one call of the form's Line method
    double drawNanosPerPixel;                 // and each pixel its pen covers
    std::chrono::nanoseconds propertyChange;  // one change of a control's property
    double propertyNanosPerPixel;             // and each pixel it repaints

    // Every cost times `factor`: at 2 the same animation takes twice as long.
    constexpr Pace times(double factor) const
    {
        const auto scaled = [factor](std::chrono::nanoseconds n) {
            return std::chrono::nanoseconds(static_cast<long long>(static_cast<double>(n.count()) * factor));
        };
        return {scaled(drawCall), drawNanosPerPixel * factor, scaled(propertyChange), propertyNanosPerPixel * factor};
    }
};

class Pacer {
public:
    using Nanos = std::chrono::nanoseconds;

    static constexpr Nanos kFrame{16'666'667};
    // The pace every animation starts from, and of handlers that are not
    // animations.
    static constexpr Pace kDefaultPace{Nanos{5'700}, 850.0, Nanos{450'000}, 8.0};

    Pacer();

    // With pacing off the clock still counts, but nothing is presented and
    // nothing waits: tests and benchmarks run at full speed.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    void beginHandler();
    void endHandler();
    bool active() const { return active_; }

    void chargeDrawing(long long pixels) { charge(pace_.drawCall + pixelCost(pixels, pace_.drawNanosPerPixel)); }
    void chargeProperty(long long pixels)
    {
        charge(pace_.propertyChange + pixelCost(pixels, pace_.propertyNanosPerPixel));
    }
    const Pace& pace() const { return pace_; }
    void setPace(const Pace& pace) { pace_ = pace; }

    // The teacher's slow motion: every cost, whatever the animation's pace,
    // counts this many times over (1, 2 or 4). The same pictures come at the
    // same frame rate, more of them.
    int slowdown() const { return slowdown_; }
    void setSlowdown(int slowdown) { slowdown_ = slowdown; }

    // Virtual time spent by the running (or the last) handler.
    Nanos elapsed() const { return virtual_ - start_; }

    void setPresenter(std::function<void()> present) { present_ = std::move(present); }
    // What sees every frame just before it is presented (a test's check, a
    // benchmark's count); none by default.
    void setOnFrame(std::function<void()> onFrame) { onFrame_ = std::move(onFrame); }
    void setClock(std::function<Nanos()> now, std::function<void(Nanos)> sleepUntil);

private:
    static Nanos pixelCost(long long pixels, double nanosPerPixel)
    {
        return Nanos(static_cast<long long>(static_cast<double>(pixels) * nanosPerPixel));
    }
    void charge(Nanos cost);

    Pace pace_ = kDefaultPace;
    int slowdown_ = 1;
    bool enabled_ = false;
    bool active_ = false;
    Nanos start_{0}, virtual_{0}, lastFrame_{0};
    std::function<void()> present_, onFrame_;
    std::function<Nanos()> now_;
    std::function<void(Nanos)> sleepUntil_;
};

// An animation's pace, for as long as the animation runs.
class AnimationPace {
public:
    AnimationPace(Pacer& pacer, const Pace& pace);
    ~AnimationPace();
    AnimationPace(const AnimationPace&) = delete;
    AnimationPace& operator=(const AnimationPace&) = delete;

private:
    Pacer& pacer_;
    Pace before_;
};

}  // namespace rt
