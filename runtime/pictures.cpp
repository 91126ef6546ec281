#include "pictures.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <algorithm>
#include <map>
#include <memory>

#include "fonts.h"

namespace rt {

QPixmap renderPicture(const char* path, qreal devicePixelRatio, double zoom)
{
    registerPictureFaces();
    QSvgRenderer renderer(QString::fromUtf8(path));
    if (!renderer.isValid()) return {};
    const QSizeF size = QSizeF(renderer.defaultSize()) * zoom;
    QPixmap pixmap((size * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

void PictureCache::paint(QWidget& widget, const char* path, double zoom, QPoint at)
{
    if (pixmap_.isNull() || zoom_ != zoom || pixmap_.devicePixelRatio() != widget.devicePixelRatioF()) {
        pixmap_ = renderPicture(path, widget.devicePixelRatioF(), zoom);
        zoom_ = zoom;
    }
    QPainter painter(&widget);
    painter.drawPixmap(at, pixmap_);
}

namespace {

// An icon drawn from a picture at whatever size is asked: from the sizes
// rendered when the program was built, kept raw beside the SVG
// ("icon-16.argb" for "icon.svg"), or from the SVG itself.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& svg) : svg_(svg) {}

    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("ondarell-picture"); }

    // What a window system is handed for a window: up to 64 pixels, as
    // each size costs the start of every window (a task switcher that
    // wants more reads the installed icon theme, or asks for it here).
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap& pixmap = (*drawn_)[side];
        if (pixmap.isNull()) pixmap = draw(side);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    QPixmap draw(int side) const
    {
        const QString stem = svg_.chopped(svg_.endsWith(QLatin1String(".svg")) ? 4 : 0);
        // The pixels rendered when the program was built, where the program
        // keeps them for its whole run: the image borrows them.
        const QResource rendered(QStringLiteral("%1-%2.argb").arg(stem).arg(side));
        if (rendered.compressionAlgorithm() == QResource::NoCompression && rendered.size() == qint64(side) * side * 4)
            return QPixmap::fromImage(QImage(rendered.data(), side, side, QImage::Format_ARGB32_Premultiplied));
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QSvgRenderer(svg_).render(&painter);
        return pixmap;
    }

    QString svg_;
    // By side, shared with every copy: each window is given one.
    std::shared_ptr<std::map<int, QPixmap>> drawn_ = std::make_shared<std::map<int, QPixmap>>();
};

}  // namespace

QIcon renderIcon(const char* path)
{
    return QIcon(new PictureIconEngine(QString::fromUtf8(path)));
}

}  // namespace rt
