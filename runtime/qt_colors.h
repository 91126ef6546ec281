#pragma once
// A form's colour as Qt paints it.

#include <QColor>

#include "colors.h"

namespace rt {

inline QColor toQColor(Color color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

}  // namespace rt
