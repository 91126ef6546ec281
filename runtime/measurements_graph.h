#pragma once
// The graph of a simulator's measurements: the result that shows its law
// against its input, every measured point, and the formula's curve through
// the rows whose other inputs are those of the last one. It paints on
// screen, into a picture and into an SVG alike, and says what it shows.

#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <vector>

class QPainter;

namespace rt {

class Measurements;

class MeasurementsGraph : public QWidget {
public:
    explicit MeasurementsGraph(Measurements& measurements, QWidget* parent = nullptr);

    // What a screen reader hears: what it plots, and how many points.
    QString description() const;
    void paint(QPainter& painter, const QRectF& area) const;
    // The points measured, and those the curve passes through.
    std::vector<QPointF> points() const;
    int pointsOnTheCurve() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();
    Measurements& measurements_;
};

}  // namespace rt
