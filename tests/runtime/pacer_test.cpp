#include <gtest/gtest.h>

#include "runtime/pacer.h"

using rt::Pacer;
using namespace std::chrono_literals;

namespace {

// A pacer on a fake clock: real time advances only by what the test says
// the work took, and by the pacer's own waits.
struct FakeClock {
    Pacer pacer;
    Pacer::Nanos now{1'000'000'000};
    Pacer::Nanos workPerFrame{0};  // real time the work of one frame took
    int presents = 0;
    Pacer::Nanos slept{0};

    explicit FakeClock(bool enabled)
    {
        pacer.setEnabled(enabled);
        pacer.setPresenter([this] {
            ++presents;
            now += workPerFrame;
        });
        pacer.setClock([this] { return now; },
                       [this](Pacer::Nanos t) {
                           if (t <= now) return;
                           slept += t - now;
                           now = t;
                       });
    }
};

}  // namespace

TEST(Pacer, PresentsOncePerFrameOfVirtualTimeAndWaitsForRealTime)
{
    FakeClock f(true);
    f.pacer.beginHandler();
    for (int i = 0; i < 4402; ++i) f.pacer.chargeProperty(0);
    f.pacer.endHandler();
    const auto elapsed = f.pacer.elapsed();
    EXPECT_EQ(elapsed, 4402 * Pacer::kDefaultPace.propertyChange);
    // One presentation per frame: about 60 a second.
    const auto frames = elapsed / Pacer::kFrame;
    EXPECT_NEAR(f.presents, frames, frames * 0.05);
    // Work took no real time, so the pacer waited for almost all of it.
    EXPECT_GT(f.slept, elapsed - Pacer::kFrame);
}

TEST(Pacer, ASlowMachineNeverWaitsButStillPresents)
{
    FakeClock f(true);
    f.workPerFrame = 2 * Pacer::kFrame;  // the machine is slower than the clock
    f.pacer.beginHandler();
    for (int i = 0; i < 1000; ++i) f.pacer.chargeProperty(0);
    f.pacer.endHandler();
    EXPECT_EQ(f.slept, 0ns);
    EXPECT_GT(f.presents, 0);
}

TEST(Pacer, OffItCountsButNeitherPresentsNorWaits)
{
    FakeClock f(false);
    f.pacer.beginHandler();
    for (int i = 0; i < 10000; ++i) f.pacer.chargeDrawing(100);
    f.pacer.endHandler();
    EXPECT_EQ(f.presents, 0);
    EXPECT_EQ(f.slept, 0ns);
    EXPECT_EQ(f.pacer.elapsed(), 10000 * (Pacer::kDefaultPace.drawCall + 100 * Pacer::Nanos(850)));
}

TEST(Pacer, ChargesOutsideAHandlerCostNothing)
{
    FakeClock f(true);
    for (int i = 0; i < 10000; ++i) f.pacer.chargeProperty(1000);
    EXPECT_EQ(f.presents, 0);
    EXPECT_EQ(f.slept, 0ns);
}
