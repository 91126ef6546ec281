#include <gtest/gtest.h>
#include <QApplication>

#include "runtime/startup.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    rt::prepareApplication(app);
    return RUN_ALL_TESTS();
}
