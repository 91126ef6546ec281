#include "speech.h"

#include <QAccessible>
#include <algorithm>

#include "session.h"
#include "windowless.h"

namespace rt {

Announcer::Announcer(QWidget& client, const QString& message) : QWidget(&client), message_(message)
{
    setObjectName(QStringLiteral("avís"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    // A screen reader reads a notification when it appears.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

Speech::Speech(Session& session, QWidget& client, QWidget& drawing, const char* description)
    : session_(session), drawing_(drawing), description_(QString::fromUtf8(description)), said_(client)
{
}

Speech::~Speech() = default;

void Speech::describeDrawing(const QString& description)
{
    if (description == drawingDescription_) return;
    const bool shown = !drawingDescription_.isEmpty(), showing = !description.isEmpty();
    drawingDescription_ = description;
    QAccessibleEvent renamed(&drawing_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (shown != showing) {
        QAccessibleEvent event(&drawing_, showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

void Speech::hear(const Label& label)
{
    if (std::find(heard_.begin(), heard_.end(), &label) == heard_.end()) heard_.push_back(&label);
    if (!session_.inHandler()) speak();
}

void Speech::announce(const QString& sentence)
{
    sentences_.append(sentence);
    if (!session_.inHandler()) speak();
}

void Speech::speak()
{
    QStringList sentences;
    // A result emptied again before the handler ended says nothing.
    for (const Label* label : heard_)
        if (!label->Caption().trimmed().isEmpty()) sentences.append(label->accessibleText().trimmed());
    sentences += sentences_;
    heard_.clear();
    sentences_.clear();
    if (sentences.isEmpty()) return;
    for (QString& s : sentences)
        if (!s.endsWith(QLatin1Char('.')) && !s.endsWith(QLatin1Char('!'))) s += QLatin1Char('.');
    said_.say(sentences.join(QLatin1Char(' ')));
}

void Announcements::say(const QString& message)
{
    constexpr size_t kKept = 4;
    if (said_.size() == kKept) said_.erase(said_.begin());
    if (!said_.empty()) said_.back()->replaced();
    said_.push_back(std::make_unique<Announcer>(parent_, message));
}

}  // namespace rt
