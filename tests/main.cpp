#include <gtest/gtest.h>
#include <QApplication>

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
    // Each test builds its own session (test::sessionOptions).
    return RUN_ALL_TESTS();
}
