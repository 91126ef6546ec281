#include <gtest/gtest.h>
#include <QApplication>

#include "runtime/startup.h"

int main(int argc, char** argv)
{
    // Headless, on a screen as large as a projector's (as CTest runs them).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ONDARELL_TEST_SCREENS);
    ::testing::InitGoogleTest(&argc, argv);
    rt::Application app(argc, argv);
    rt::prepareApplication(app);
    return RUN_ALL_TESTS();
}
