#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace rt {

QPixmap renderPicture(const char* path, qreal devicePixelRatio)
{
    QSvgRenderer renderer(QString::fromUtf8(path));
    if (!renderer.isValid()) return {};
    const QSize size = renderer.defaultSize();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace rt
