#include "session.h"

#include <QGuiApplication>

namespace rt {

Session::Session()
{
    display_.windowSystemPlacesWindows = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace rt
