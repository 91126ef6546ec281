#include "keys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

#include "contrast.h"
#include "session.h"
#include "slow_motion.h"
#include "window_fit.h"

namespace rt {

namespace {

constexpr QKeyCombination kNone(Qt::Key_unknown);
constexpr QKeyCombination ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}
constexpr QKeyCombination keypadCtrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key);
}

// clang-format off
const KeyEntry kKeys[] = {
    {Key::Help, "F1", {QKeyCombination(Qt::Key_F1), kNone, kNone}, EveryWindow,
     "Obre l'ajuda a la pàgina de la finestra on sou; si ja és oberta, la porta al davant.",
     "A totes les finestres.",
     "F1 obre l'ajuda d'aquesta finestra."},
    {Key::SlowMotion, "F5", {QKeyCombination(Qt::Key_F5), kNone, kNone}, EveryWindow,
     "Alenteix les animacions: primer a la meitat de la velocitat, després a un quart, i després les torna a la velocitat normal.",
     "A totes les finestres; val per a tot el programa fins que acaba.",
     "Cada vegada que premeu F5, les animacions passen a la meitat de la velocitat, després a un quart i després tornen a velocitat normal."},
    {Key::Contrast, "F7", {QKeyCombination(Qt::Key_F7), kNone, kNone}, EveryWindow,
     "Activa i desactiva el contrast alt: colors més intensos, per a un projector o per a qui hi veu poc.",
     "A totes les finestres; val per a tot el programa fins que acaba.",
     "F7 activa i desactiva el contrast alt: colors més intensos, per a un projector o per a qui hi veu poc."},
    {Key::Measurements, "F9", {QKeyCombination(Qt::Key_F9), kNone, kNone}, SimulatorWindow,
     "Obre la taula de les mesures del simulador, amb el gràfic: cada càlcul hi afegeix una fila.",
     "Als cinc simuladors.",
     "F9 obre la taula de les mesures d'aquest simulador, que es conserva fins que el programa acabi: cada càlcul hi afegeix una fila."},
    {Key::FullScreen, "F11", {QKeyCombination(Qt::Key_F11), kNone, kNone}, EveryWindow,
     "Activa i desactiva la pantalla completa.",
     "A totes les finestres; també val per a les que s'obrin després.",
     "F11 activa i desactiva la pantalla completa."},
    {Key::ZoomIn, "Ctrl+Més", {ctrl(Qt::Key_Plus), ctrl(Qt::Key_Equal), keypadCtrl(Qt::Key_Plus)}, EveryWindow,
     "Amplia la finestra: 125, 150, 200, 250, 300 i 400 %. També Ctrl+= i el més del teclat numèric.",
     "A totes les finestres; també val per a les que s'obrin després.",
     "Ctrl+Més amplia la finestra."},
    {Key::ZoomOut, "Ctrl+Menys", {ctrl(Qt::Key_Minus), keypadCtrl(Qt::Key_Minus), kNone}, EveryWindow,
     "Redueix la finestra un pas.",
     "A totes les finestres; també val per a les que s'obrin després.",
     "Ctrl+Menys la redueix."},
    {Key::ZoomReset, "Ctrl+0", {ctrl(Qt::Key_0), kNone, kNone}, EveryWindow,
     "Torna la finestra al 100 %.",
     "A totes les finestres; també val per a les que s'obrin després.",
     "Ctrl+0 la torna al 100 %."},
    {Key::Close, "Esc", {QKeyCombination(Qt::Key_Escape), kNone, kNone}, MeasurementsWindowKind | HelpWindowKind,
     "Tanca la finestra.",
     "A la taula de mesures i a l'ajuda.",
     "Esc tanca aquesta finestra."},
};
// clang-format on

}  // namespace

std::span<const KeyEntry> keyTable()
{
    return kKeys;
}

const KeyEntry& keyEntry(Key key)
{
    for (const KeyEntry& entry : kKeys)
        if (entry.key == key) return entry;
    throw std::logic_error("a key missing from the table");
}

bool appliesIn(const KeyEntry& entry, WindowKind kind)
{
    return (entry.windows & kind) != 0;
}

QString keysHelp(WindowKind kind)
{
    QStringList sentences;
    for (const KeyEntry& entry : kKeys)
        if (appliesIn(entry, kind)) sentences << QString::fromUtf8(entry.sentence);
    return sentences.join(u' ');
}

void installKeys(QWidget& window, WindowKind kind, const KeyActions& actions)
{
    for (const auto& [key, action] : actions)
        if (!appliesIn(keyEntry(key), kind)) throw std::logic_error("an action for a key this window does not have");
    for (const KeyEntry& entry : kKeys) {
        if (!appliesIn(entry, kind)) continue;
        const auto given =
            std::find_if(actions.begin(), actions.end(), [&](const auto& a) { return a.first == entry.key; });
        if (given == actions.end() || !given->second) throw std::logic_error("a key of this window without an action");
        for (const QKeyCombination combination : entry.combinations) {
            if (combination == kNone) continue;
            auto* shortcut = new QShortcut(QKeySequence(combination), &window);
            shortcut->setObjectName(QString::fromUtf8(entry.shown));
            QObject::connect(shortcut, &QShortcut::activated, &window, given->second);
        }
    }
}

KeyActions sharedKeyActions(QWidget& window, WindowKind kind, Session& session, WindowFit& fit, Notice& notice,
                            const QString& helpPage)
{
    KeyActions actions{
        {Key::Help, [&session, helpPage] { session.showHelp(helpPage); }},
        {Key::SlowMotion, [&session, &notice] { stepSlowMotion(session.pacer(), notice); }},
        {Key::Contrast, [&session, &notice] { toggleContrast(session, notice); }},
        {Key::FullScreen, [&fit] { fit.toggleFullScreen(); }},
        {Key::ZoomIn, [&fit] { fit.stepZoom(1); }},
        {Key::ZoomOut, [&fit] { fit.stepZoom(-1); }},
        {Key::ZoomReset, [&fit] { fit.stepZoom(0); }},
    };
    if (appliesIn(keyEntry(Key::Close), kind)) actions.emplace_back(Key::Close, [&window] { window.close(); });
    return actions;
}

}  // namespace rt
