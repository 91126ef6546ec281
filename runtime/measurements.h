#pragma once
// The pupil's own measurements: each calculation that writes results adds
// a row to its simulator's table, the inputs and then the results, as the
// form shows them. The table lasts as long as the program, whether the
// simulator is open or not; its window shows it (F9).

#include <QAbstractTableModel>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace rt {

// A column: its header as a table shows it, with the unit's symbol, and
// as a screen reader hears it, with the unit in words.
struct MeasureColumn {
    const char* shown;  // "Velocitat (m/s)"
    const char* heard;  // "Velocitat, en metres per segon"
};

// The law a simulator's graph shows: a result against an input, measured
// points and the formula's curve, with axes named as shown and as heard.
struct MeasureLaw {
    const char* title;  // "Velocitat de sortida segons la diferència d'altures"
    const char* xAxis;  // "hl − hf (m)"
    const char* xHeard;
    const char* yAxis;  // "v (m/s)"
    const char* yHeard;
    const char* curve;  // as heard: "v és igual a l'arrel quadrada de 2 per g per la diferència d'altures"
    // The points a row of values gives (a value for each column).
    std::vector<QPointF> (*points)(const std::vector<double>& row);
    // The curve at x, for the inputs of `row`; drawn through the rows whose
    // inputs in `same` are those of the last row.
    double (*at)(double x, const std::vector<double>& row);
    std::span<const int> same;
    // What those rows share, as a sentence says it ("amb el mateix cabal").
    const char* kept = "";
};

class Measurements : public QAbstractTableModel {
public:
    // The simulator's columns: set once, the first time.
    void setColumns(std::span<const MeasureColumn> columns, const MeasureLaw* law = nullptr);
    const MeasureLaw* law() const { return law_; }
    // A row's values as numbers (0 for a text that is none).
    std::vector<double> values(int row) const;
    // A value for each column, as the form writes it (" 4.243", "5", "E >
    // F, puja").
    void record(const QStringList& row);
    bool empty() const { return rows_.empty(); }
    // Removes the rows given, by number.
    void remove(QList<int> rows);
    void clear();

    // The rows given (all of them when none is) as tab-separated text with
    // a header row and decimal commas, as a Catalan spreadsheet pastes it.
    QString tabSeparated(QList<int> rows = {}) const;
    // Every row as a CSV file that a Catalan spreadsheet opens as numbers:
    // UTF-8, semicolons, decimal commas, a header row.
    QByteArray csv() const;
    // Whether rows were recorded since the table was last saved.
    bool unsaved() const { return unsaved_ && !rows_.empty(); }
    void saved() { unsaved_ = false; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // A cell shows its value with a decimal comma ("4,243"); a screen
    // reader hears it in words where it needs them (AccessibleTextRole).
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<MeasureColumn> columns_;
    const MeasureLaw* law_ = nullptr;
    std::vector<QStringList> rows_;
    bool unsaved_ = false;
};

}  // namespace rt
