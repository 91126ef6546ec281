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

QIcon renderIcon(const char* path)
{
    QSvgRenderer renderer(QString::fromUtf8(path));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace rt
