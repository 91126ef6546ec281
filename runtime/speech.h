#pragma once
// What a screen reader is told of a form beyond its controls: what the form
// is for, what its drawing shows now, and, once a handler ends, what it
// wrote, said once.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace rt {

class Label;
class Session;

// An object of no size that screen readers hear as a notification, one for
// each message: a screen reader that reads it late, once the next message
// is out, still reads this one.
class Announcer : public QWidget {
public:
    Announcer(QWidget& client, const QString& message);
    const QString& message() const { return message_; }
    // Left out of the tree once a newer message is out.
    bool current() const { return current_; }
    void replaced() { current_ = false; }

private:
    QString message_;
    bool current_ = true;
};

// The last messages a window said, a few kept for screen readers that read
// them late.
class Announcements {
public:
    explicit Announcements(QWidget& parent) : parent_(parent) {}
    void say(const QString& message);
    QString last() const { return said_.empty() ? QString() : said_.back()->message(); }

private:
    QWidget& parent_;
    std::vector<std::unique_ptr<Announcer>> said_;
};

class Speech {
public:
    // `client` holds the announcers; `drawing` is the widget the drawing's
    // description names; what is said waits for `session`'s running handler.
    Speech(Session& session, QWidget& client, QWidget& drawing, const char* description);
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    const QString& description() const { return description_; }
    // What the drawing shows now (nothing after Cls).
    const QString& drawingDescription() const { return drawingDescription_; }
    void describeDrawing(const QString& description);
    void describeDrawing(const std::string& description) { describeDrawing(QString::fromStdString(description)); }
    // Said once the running handler ends (at once outside one): a warning,
    // how an animation ended.
    void announce(const QString& sentence);
    void announce(const std::string& sentence) { announce(QString::fromStdString(sentence)); }
    // A result written, said with its caption and unit.
    void hear(const Label& label);
    // Says what was announced since the last time, as one message.
    void speak();
    QString lastAnnouncement() const { return said_.last(); }

protected:
    ~Speech();

private:
    Session& session_;
    QWidget& drawing_;
    const QString description_;
    QString drawingDescription_;
    std::vector<const Label*> heard_;  // results written, in order
    QStringList sentences_;
    Announcements said_;
};

}  // namespace rt
