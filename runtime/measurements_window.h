#pragma once
// The window of a simulator's measurements: a table a pupil moves through
// from the keyboard, which copies its rows as a spreadsheet pastes them,
// and removes one row or, after asking, all of them.

#include <QWidget>

#include "window_fit.h"

// How a pupil finds the table, in each window's help.
inline constexpr const char* kMeasurementKeys =
    "F9, en un simulador, obre la taula de les seves mesures: cada càlcul hi afegeix una fila, i Ctrl+C copia "
    "les files triades, o totes.";

class QLabel;
class QPushButton;
class QTableView;

namespace rt {

class Measurements;
class MeasurementsGraph;

class MeasurementsWindow : public QWidget {
public:
    // `file` names the files it suggests ("mesures-torricelli"); `display`
    // is the session's choice of zoom and full screen.
    MeasurementsWindow(Measurements& measurements, const QString& simulator, const QString& file, Display& display);

    // Shows the window, or brings it to the front where it is open.
    void bringForward();
    QTableView& table() const { return *table_; }
    const MeasurementsGraph& graph() const { return *graph_; }
    // The rows chosen (all when none is), to the clipboard.
    void copy();
    void removeChosen();
    // Asks where, in Qt's file dialog, and saves there; false if not saved.
    bool saveAsked();
    // Writes the table to `path`, whole or not at all; a failure is said in
    // Catalan, and the rows stay.
    bool saveTo(const QString& path);
    // Asks first.
    void removeAll();
    // In the session's profile of colours.
    void recolour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<int> chosenRows() const;
    bool write(const QString& path, const QByteArray& bytes);
    void updateState();

    Measurements& measurements_;
    const QString file_;
    QTableView* table_;
    MeasurementsGraph* graph_;
    QLabel* empty_;
    QPushButton* copyButton_;
    QPushButton* saveButton_;
    QPushButton* removeButton_;
    QPushButton* removeAllButton_;
    const QFont designFont_;
    // Zoom and full screen, as the forms have them, and their colours.
    Display& display_;
    WindowFit fit_;
};

}  // namespace rt
