#pragma once
// The program's keys, one table: what each does, in which windows, and the
// sentence that tells a pupil of it. Every window installs its keys from
// here, its accessible help is made of their sentences, and the help's page
// of keys shows the table.

#include <QKeyCombination>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <utility>
#include <vector>

class QWidget;

namespace rt {

class Notice;
class Session;
class WindowFit;

// The kinds of window, as flags: where a key applies.
enum WindowKind : unsigned {
    MenuWindow = 1,
    SimulatorWindow = 2,
    MeasurementsWindowKind = 4,
    HelpWindowKind = 8,
    EveryWindow = MenuWindow | SimulatorWindow | MeasurementsWindowKind | HelpWindowKind,
};

enum class Key { Help, SlowMotion, Contrast, Measurements, FullScreen, ZoomIn, ZoomOut, ZoomReset, Close };

struct KeyEntry {
    Key key;
    // The key as the pupil reads it ("Ctrl+Més"), and every combination
    // that presses it (unused ones are Qt::Key_unknown).
    const char* shown;
    std::array<QKeyCombination, 3> combinations;
    unsigned windows;  // WindowKind flags
    // What it does, and where, as the help's table says it.
    const char* does;
    const char* where;
    // One sentence for the window's accessible help.
    const char* sentence;
};

std::span<const KeyEntry> keyTable();
const KeyEntry& keyEntry(Key key);
// Whether `key` applies in a window of `kind`.
bool appliesIn(const KeyEntry& entry, WindowKind kind);

// The sentences of the keys of a window of `kind`, as its accessible help.
QString keysHelp(WindowKind kind);

// Installs on `window` the keys the table gives a window of `kind`, each
// with its action; a key the table gives it without an action, or an action
// for a key it does not give it, is a fault of the program's (logic_error).
using KeyActions = std::vector<std::pair<Key, std::function<void()>>>;
void installKeys(QWidget& window, WindowKind kind, const KeyActions& actions);
// The actions of the keys every window has: F1 opens the help at
// `helpPage`, F5 and F7 are shown and said by `notice`, F11 and the zoom
// keys act on `fit`; and Esc closes `window` where the table gives a window
// of `kind` that key.
KeyActions sharedKeyActions(QWidget& window, WindowKind kind, Session& session, WindowFit& fit, Notice& notice,
                            const QString& helpPage);

}  // namespace rt
