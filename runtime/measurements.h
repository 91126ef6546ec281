#pragma once
// The pupil's own measurements: each calculation that writes results adds
// a row to its simulator's table, the inputs and then the results, as the
// form shows them. The table lasts as long as the program, whether the
// simulator is open or not; its window shows it (F9).

#include <QAbstractTableModel>
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

class Measurements : public QAbstractTableModel {
public:
    // The simulator's columns: set once, the first time.
    void setColumns(std::span<const MeasureColumn> columns);
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
    std::vector<QStringList> rows_;
    bool unsaved_ = false;
};

}  // namespace rt
