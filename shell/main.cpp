#include <QApplication>

#include "program.h"
#include "runtime/startup.h"

int main(int argc, char* argv[])
{
    const auto app = rt::startApplication(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ONDARELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.ondarell.Ondarell"));
    shell::Program program({.paced = true});
    program.start();
    return app->exec();
}
