#pragma once
// The help window (F1): one for the program, non-modal, on the page of the
// window F1 was pressed in. Each block of a page is a widget of its own, so
// that a screen reader hears headings as headings, links as links and the
// keys as a table, and the arrow keys read the page block by block.

#include <QLabel>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "pages.h"
#include "runtime/notice.h"
#include "runtime/session.h"
#include "runtime/speech.h"
#include "runtime/window_fit.h"

class QScrollArea;
class QTableWidget;
class QVBoxLayout;

namespace help {

class HelpWindow;

// A block of a page, or of the contents: a heading, a paragraph, an item, a
// step, a formula or a link.
class HelpBlock : public QLabel {
    Q_OBJECT
public:
    HelpBlock(const Block& block, HelpWindow& window, QWidget* parent);
    Block::Kind kind() const { return kind_; }
    const QString& heard() const { return heard_; }
    const QString& target() const { return target_; }
    // A link's: opens its target.
    void activate();
    // At the window's zoom, in its colours.
    void restyle(double zoom);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    HelpWindow& window_;
    Block::Kind kind_;
    QString heard_, target_;
};

// The colours of the help, in a profile: every text at 4.5:1 or more
// against the paper.
struct HelpColours {
    rt::Color paper, text, heading, link, focus;
};
HelpColours helpColours(rt::Profile profile);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(rt::Session& session);
    ~HelpWindow() override;

    // Shows `target` ("torricelli", "torricelli#mesures"; empty: the page
    // shown now) and brings the window forward, the focus on the heading.
    void open(QString target);
    const Page& page() const { return page_; }
    // The blocks of the page shown, in order (the keys' table is none).
    const std::vector<HelpBlock*>& blocks() const { return blocks_; }
    const std::vector<HelpBlock*>& contents() const { return contents_; }
    QTableWidget* keysTable() const { return keys_; }
    const rt::Notice& notice() const { return notice_; }
    // In the session's profile of colours.
    void recolour();
    HelpColours colours() const { return helpColours(session_.display().profile); }
    double zoom() const { return zoom_; }

    // The block before or after `from` takes the focus (Up and Down).
    void moveFocus(HelpBlock& from, int step);

private:
    void showPage(const QString& name);
    void restyle();
    void fillKeys();

    rt::Session& session_;
    Page page_;
    QScrollArea* scroll_;
    QWidget* content_ = nullptr;
    QVBoxLayout* contentsLayout_;
    std::vector<HelpBlock*> blocks_, contents_;
    QTableWidget* keys_ = nullptr;
    double zoom_ = 1;
    rt::WindowFit fit_;
    rt::Announcements said_;
    rt::Notice notice_;
};

}  // namespace help
