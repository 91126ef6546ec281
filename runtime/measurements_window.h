#pragma once
// The window of a simulator's measurements: a table a pupil moves through
// from the keyboard, which copies its rows as a spreadsheet pastes them,
// and removes one row or, after asking, all of them.

#include <QWidget>

#include "notice.h"
#include "speech.h"
#include "window_fit.h"

class QLabel;
class QPushButton;
class QTableView;

namespace rt {

class Measurements;
class MeasurementsGraph;

class MeasurementsWindow : public QWidget {
public:
    // `file` names the files it suggests ("mesures-torricelli"); `help` is
    // its page of the help; `session` holds the choice of zoom, full screen,
    // pace and colours.
    MeasurementsWindow(Measurements& measurements, const QString& simulator, const QString& file,
                       const QString& help, Session& session);

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
    const Notice& notice() const { return notice_; }
    QString lastAnnouncement() const { return said_.last(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<int> chosenRows() const;
    bool write(const QString& path, const QByteArray& bytes, const QString& table = {});
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
    // Zoom, full screen, pace and colours, as the forms have them.
    Display& display_;
    WindowFit fit_;
    Announcements said_;
    Notice notice_;
};

}  // namespace rt
