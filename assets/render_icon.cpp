// Renders the program's icon from its SVG as the PNG files of a freedesktop
// icon theme: render_icon ICON.svg DIR NAME SIZE... writes
// DIR/SIZExSIZE/apps/NAME.png for every size, and beside each the same
// pixels raw (NAME.argb, premultiplied 32-bit ARGB in this machine's byte
// order), which the program's windows take with no decoding at start-up.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: render_icon ICON.svg DIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        const int size = args[i].toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        QFile raw(QStringLiteral("%1/%2.argb").arg(dir, args[3]));
        if (!QDir().mkpath(dir) || !image.save(QStringLiteral("%1/%2.png").arg(dir, args[3])) ||
            !raw.open(QIODevice::WriteOnly) ||
            raw.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes()) {
            std::fprintf(stderr, "render_icon: cannot write into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
