#include "measurements_graph.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "measurements.h"
#include "numbers.h"

namespace rt {

namespace {

// The smallest of 1, 2, 2.5 and 5 times a power of ten that is not below
// `value`: where an axis ends.
double axisEnd(double value)
{
    if (!(value > 0) || !std::isfinite(value)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (step * power >= value * (1 - 1e-12)) return step * power;
    return 10 * power;
}

// A tick's number, Catalan style.
QString tick(double value)
{
    return QString::fromStdString(axisNumber(value));
}

constexpr QColor kPoint(0, 0, 160), kCurve(176, 0, 0), kAxis(0, 0, 0);

}  // namespace

MeasurementsGraph::MeasurementsGraph(Measurements& measurements, QWidget* parent)
    : QWidget(parent), measurements_(measurements)
{
    setObjectName(QStringLiteral("gràficDeMesures"));
    setMinimumHeight(240);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        QObject::connect(&measurements_, signal, this, [this] { changed(); });
    QObject::connect(&measurements_, &QAbstractItemModel::modelReset, this, [this] { changed(); });
    changed();
}

void MeasurementsGraph::changed()
{
    setAccessibleName(description());
    QWidget::update();
}

std::vector<QPointF> MeasurementsGraph::points() const
{
    std::vector<QPointF> all;
    const MeasureLaw* law = measurements_.law();
    if (law == nullptr) return all;
    for (int row = 0; row < measurements_.rowCount(); ++row)
        for (const QPointF& p : law->points(measurements_.values(row))) all.push_back(p);
    return all;
}

int MeasurementsGraph::pointsOnTheCurve() const
{
    const MeasureLaw* law = measurements_.law();
    const int rows = measurements_.rowCount();
    if (law == nullptr || rows == 0) return 0;
    const std::vector<double> last = measurements_.values(rows - 1);
    int on = 0;
    for (int row = 0; row < rows; ++row) {
        const std::vector<double> values = measurements_.values(row);
        if (std::all_of(law->same.begin(), law->same.end(), [&](int c) { return values[c] == last[c]; }))
            on += static_cast<int>(law->points(values).size());
    }
    return on;
}

QString MeasurementsGraph::description() const
{
    const MeasureLaw* law = measurements_.law();
    if (law == nullptr) return QStringLiteral("Gràfic: encara no hi ha cap mesura");
    const QString title = QString::fromUtf8(law->title);
    const int n = static_cast<int>(points().size());
    if (n == 0) return QStringLiteral("Gràfic: %1. Encara no hi ha cap punt.").arg(title);
    const QString measured = n == 1 ? QStringLiteral("1 punt mesurat") : QStringLiteral("%1 punts mesurats").arg(n);
    const int on = pointsOnTheCurve();
    const QString through = n == 1    ? QStringLiteral("passa pel punt")
                            : on == n ? QStringLiteral("passa per tots els punts")
                            : on == 1 ? QStringLiteral("passa pel punt de l'última mesura")
                                      : QStringLiteral("passa pels %1 punts mesurats %2 que l'última mesura")
                                            .arg(on)
                                            .arg(QString::fromUtf8(law->kept));
    // "Gràfic: velocitat de sortida en funció de…"
    const QString named = title.left(1).toLower() + title.mid(1);
    return QStringLiteral(
               "Gràfic: %1. %2. La corba de la fórmula mostra que %3; %4. Eix horitzontal: %5; eix "
               "vertical: %6.")
        .arg(named, measured, QString::fromUtf8(law->curve), through, QString::fromUtf8(law->xHeard),
             QString::fromUtf8(law->yHeard));
}

void MeasurementsGraph::paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const MeasureLaw* law = measurements_.law();
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    if (law == nullptr) {
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Encara no hi ha cap mesura."));
        painter.restore();
        return;
    }
    painter.setPen(kAxis);
    painter.drawText(QRectF(area.left(), area.top() + line * 0.3, area.width(), line), Qt::AlignHCenter,
                     QString::fromUtf8(law->title));
    const QRectF plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("00.000.000,0")) + line, line * 3,
                                      -line * 1.5, -line * 3);
    const std::vector<QPointF> measured = points();
    const int rows = measurements_.rowCount();
    double xMax = 0, yMax = 0;
    for (const QPointF& p : measured) xMax = std::max(xMax, p.x()), yMax = std::max(yMax, p.y());
    xMax = axisEnd(xMax);
    const std::vector<double> last = rows > 0 ? measurements_.values(rows - 1) : std::vector<double>();
    if (!last.empty()) yMax = std::max(yMax, law->at(xMax, last));
    yMax = axisEnd(yMax);
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + x / xMax * plot.width(), plot.bottom() - y / yMax * plot.height());
    };

    // Axes, ticks and their numbers, the axes' names with their units.
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (int i = 0; i <= 5; ++i) {
        const QPointF x = at(xMax * i / 5, 0), y = at(0, yMax * i / 5);
        painter.drawLine(x, x + QPointF(0, line / 4));
        painter.drawLine(y, y - QPointF(line / 4, 0));
        painter.drawText(QRectF(x.x() - line * 3, x.y() + line / 3, line * 6, line), Qt::AlignHCenter,
                         tick(xMax * i / 5));
        painter.drawText(QRectF(area.left(), y.y() - line / 2, plot.left() - area.left() - line / 2, line),
                         Qt::AlignRight | Qt::AlignVCenter, tick(yMax * i / 5));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.5, plot.width(), line), Qt::AlignHCenter,
                     QString::fromUtf8(law->xAxis));
    painter.drawText(QRectF(area.left() + line / 2, plot.top() - line * 1.6, area.width(), line), Qt::AlignLeft,
                     QString::fromUtf8(law->yAxis));

    // The formula's curve, for the inputs of the last row.
    if (!last.empty()) {
        // Only within the axes: where it runs off the top, it is not drawn.
        QPainterPath curve;
        constexpr int kSteps = 400;
        bool drawing = false;
        for (int i = 0; i <= kSteps; ++i) {
            const double x = xMax * i / kSteps, y = law->at(x, last);
            const bool inside = std::isfinite(y) && y >= 0 && y <= yMax;
            if (inside) drawing ? curve.lineTo(at(x, y)) : curve.moveTo(at(x, y));
            drawing = inside;
        }
        painter.setPen(QPen(kCurve, std::max(2.0, line / 8)));
        painter.drawPath(curve);
    }
    // The points: filled where the curve is theirs, hollow elsewhere.
    for (int row = 0; row < rows; ++row) {
        const std::vector<double> values = measurements_.values(row);
        const bool onCurve =
            std::all_of(law->same.begin(), law->same.end(), [&](int c) { return values[c] == last[c]; });
        painter.setPen(QPen(kPoint, std::max(1.5, line / 10)));
        painter.setBrush(onCurve ? QBrush(kPoint) : QBrush(Qt::white));
        for (const QPointF& p : law->points(values)) painter.drawEllipse(at(p.x(), p.y()), line / 4, line / 4);
    }
    painter.restore();
}

void MeasurementsGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect());
}

}  // namespace rt
