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

class Pacer {
public:
    using Nanos = std::chrono::nanoseconds;

    static constexpr Nanos kFrame{16'666'667};
    // What one call of the form's Line method costs, plus each pixel its
    // pen covers. They are set so that every animation of the program is
    // seen at its intended pace: a 10 m tank fills in about 1.7 s (5001
    // rows of 400 pixels), the widest pipe in about 1.6 s (174,636 dots of
    // 4 pixels), a press stroke in about 1.6 s (2000 steps of four lines,
    // 900 pixels), the Venturi tube in under 5 s (236,000 short segments,
    // 4.2 million pixels), and an emptying of the tank in under 4 s.
    static constexpr Nanos kDrawCall{5'700};
    static constexpr double kDrawNanosPerPixel = 850.0;
    // What one change of a control's property costs, plus each pixel it
    // repaints: 2201 steps of two moves make a motion of about two seconds.
    static constexpr Nanos kPropertyChange{450'000};
    static constexpr double kPropertyNanosPerPixel = 8.0;

    Pacer();

    // With pacing off the clock still counts, but nothing is presented and
    // nothing waits: tests and benchmarks run at full speed.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    void beginHandler();
    void endHandler();
    bool active() const { return active_; }

    void chargeDrawing(long long pixels) { charge(kDrawCall + pixelCost(pixels, kDrawNanosPerPixel)); }
    void chargeProperty(long long pixels) { charge(kPropertyChange + pixelCost(pixels, kPropertyNanosPerPixel)); }

    // Virtual time spent by the running (or the last) handler.
    Nanos elapsed() const { return virtual_ - start_; }

    void setPresenter(std::function<void()> present) { present_ = std::move(present); }
    void setClock(std::function<Nanos()> now, std::function<void(Nanos)> sleepUntil);

private:
    static Nanos pixelCost(long long pixels, double nanosPerPixel)
    {
        return Nanos(static_cast<long long>(static_cast<double>(pixels) * nanosPerPixel));
    }
    void charge(Nanos cost);

    bool enabled_ = false;
    bool active_ = false;
    Nanos start_{0}, virtual_{0}, lastFrame_{0};
    std::function<void()> present_;
    std::function<Nanos()> now_;
    std::function<void(Nanos)> sleepUntil_;
};

}  // namespace rt
