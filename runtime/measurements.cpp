#include "measurements.h"

#include <algorithm>

#include "numbers.h"
#include "spoken.h"

namespace rt {

namespace {

QString written(const QString& shown)
{
    return QString::fromStdString(writtenNumber(shown.toStdString()));
}

QString heard(const QString& shown)
{
    return QString::fromStdString(spokenText(shown.trimmed().toStdString()));
}

}  // namespace

void Measurements::setColumns(std::span<const MeasureColumn> columns, const MeasureLaw* law)
{
    if (!columns_.empty() || columns.empty()) return;
    beginResetModel();
    columns_.assign(columns.begin(), columns.end());
    law_ = law;
    endResetModel();
}

std::vector<double> Measurements::values(int row) const
{
    std::vector<double> numbers;
    if (row < 0 || row >= rowCount()) return numbers;
    for (const QString& value : rows_[static_cast<size_t>(row)])
        numbers.push_back(parseLeadingNumber(value.toStdString()));
    return numbers;
}

void Measurements::record(const QStringList& row)
{
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at);
    rows_.push_back(row);
    unsaved_ = true;
    endInsertRows();
}

void Measurements::remove(QList<int> rows)
{
    // From the last, so that the numbers of those before stay right.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= rowCount()) continue;
        beginRemoveRows({}, row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }
}

void Measurements::clear()
{
    beginResetModel();
    rows_.clear();
    unsaved_ = false;
    endResetModel();
}

QByteArray Measurements::csv() const
{
    // A field with a semicolon, a quote or a line break goes in quotes.
    const auto field = [](QString text) {
        if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n')) return text;
        return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    };
    QStringList lines, header;
    for (const MeasureColumn& column : columns_) header << field(QString::fromUtf8(column.shown));
    lines << header.join(u';');
    for (const QStringList& row : rows_) {
        QStringList cells;
        for (const QString& value : row) cells << field(written(value));
        lines << cells.join(u';');
    }
    // The byte-order mark tells a spreadsheet the text is UTF-8.
    return "\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString Measurements::tabSeparated(QList<int> rows) const
{
    if (rows.isEmpty())
        for (int row = 0; row < rowCount(); ++row) rows << row;
    std::sort(rows.begin(), rows.end());
    QStringList lines, header;
    for (const MeasureColumn& column : columns_) header << QString::fromUtf8(column.shown);
    lines << header.join(u'\t');
    for (int row : rows) {
        if (row < 0 || row >= rowCount()) continue;
        QStringList cells;
        for (const QString& value : rows_[static_cast<size_t>(row)]) cells << written(value);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

int Measurements::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int Measurements::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant Measurements::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const QStringList& row = rows_[static_cast<size_t>(index.row())];
    const QString value = index.column() < row.size() ? row[index.column()] : QString();
    switch (role) {
    case Qt::DisplayRole: return written(value);
    case Qt::AccessibleTextRole: return heard(value);
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant Measurements::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole) return section + 1;
        if (role == Qt::AccessibleTextRole) return QStringLiteral("Mesura %1").arg(section + 1);
        return {};
    }
    if (section < 0 || section >= columnCount()) return {};
    const MeasureColumn& column = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromUtf8(column.shown);
    if (role == Qt::AccessibleTextRole) return QString::fromUtf8(column.heard);
    return {};
}

}  // namespace rt
