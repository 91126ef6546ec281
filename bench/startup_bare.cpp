// The yardstick of start-up: a bare Qt window with one label and one button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "first_frame.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.installEventFilter(new QuitAfterFirstFrame(&app));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Una etiqueta")));
    layout->addWidget(new QPushButton(QStringLiteral("&Un botó")));
    window.show();
    return app.exec();
}
