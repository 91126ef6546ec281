// The program's start-up, as its main() does it, up to the menu's first frame.
#include <QApplication>

#include "first_frame.h"
#include "runtime/startup.h"
#include "shell/program.h"

int main(int argc, char* argv[])
{
    const auto app = rt::startApplication(argc, argv);
    app->installEventFilter(new QuitAfterFirstFrame(app.get()));
    shell::Program program({.paced = true});
    program.start();
    return app->exec();
}
