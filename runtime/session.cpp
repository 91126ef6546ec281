#include "session.h"

#include <QGuiApplication>

namespace rt {

bool windowSystemPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

Session::Session()
{
    display_.windowSystemPlacesWindows = windowSystemPlacesWindows();
}

}  // namespace rt
