#include <QApplication>

#include "program.h"
#include "runtime/startup.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::prepareApplication(app);
    rt::Runtime::instance().pacer().setEnabled(true);
    shell::Program program;
    program.start();
    return app.exec();
}
