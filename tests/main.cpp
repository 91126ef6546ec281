#include <gtest/gtest.h>
#include <QApplication>

#include "runtime/pacer.h"
#include "runtime/runtime.h"
#include "runtime/startup.h"

int main(int argc, char** argv)
{
    // Headless, on a screen as large as a projector's (as CTest runs them).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ONDARELL_TEST_SCREENS);
    // The Catalan locale the build made, where the system has none of its
    // own to offer.
    if (qEnvironmentVariableIsEmpty("LOCPATH")) qputenv("LOCPATH", ONDARELL_TEST_LOCALES);
    ::testing::InitGoogleTest(&argc, argv);
    rt::Application app(argc, argv);
    rt::prepareApplication(app);
    // Nothing measured here is a pupil's: ending never asks to save it.
    rt::Runtime::instance().setAskBeforeEnding(false);
    // The pacing tests run again with every animation slowed down.
    if (const int slowdown = qEnvironmentVariableIntValue("ONDARELL_TEST_SLOWDOWN"); slowdown > 1)
        rt::Pacer::instance().setSlowdown(slowdown);
    return RUN_ALL_TESTS();
}
