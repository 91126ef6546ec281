#include "help_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "runtime/fonts.h"
#include "runtime/keys.h"
#include "runtime/qt_colors.h"
#include "runtime/spoken.h"

// The pages live in a static library: this keeps them linked in.
static void initPages()
{
    Q_INIT_RESOURCE(ondarell_help);
}

namespace help {

namespace {

QString heard(const QString& text)
{
    return QString::fromStdString(rt::spokenText(text.toStdString()));
}

// What a screen reader is given of a block: a heading as a heading, a link
// as a link it can follow, the rest as text, each with what a Catalan voice
// must hear.
class BlockAccessible : public QAccessibleWidget {
public:
    explicit BlockAccessible(HelpBlock* block) : QAccessibleWidget(block, roleOf(block->kind())), block_(block) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return block_->heard();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return block_->kind() == Block::Link ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (block_->kind() == Block::Link && name == pressAction())
            // Answered at once; the page changes once the tool has its reply.
            block_->activate();
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        return block_->kind() == Block::Link && name == pressAction() ? QStringList{QStringLiteral("Return")}
                                                                      : QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    static QAccessible::Role roleOf(Block::Kind kind)
    {
        switch (kind) {
        case Block::Title:
        case Block::Heading: return QAccessible::Heading;
        case Block::Link: return QAccessible::Link;
        default: return QAccessible::StaticText;
        }
    }
    HelpBlock* block_;
};

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(HelpWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return heard(widget()->windowTitle());
        case QAccessible::Description:
            return QStringLiteral(
                "L'ajuda del programa: les fletxes amunt i avall la llegeixen paràgraf a paràgraf, i "
                "el tabulador passa d'un enllaç a l'altre.");
        case QAccessible::Help: return heard(rt::keysHelp(rt::HelpWindowKind));
        default: return QAccessibleWidget::text(t);
        }
    }
};

// Answers for the help's own classes only.
QAccessibleInterface* helpAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(HelpBlock::staticMetaObject.className()))
        return new BlockAccessible(static_cast<HelpBlock*>(object));
    if (className == QLatin1String(HelpWindow::staticMetaObject.className()))
        return new WindowAccessible(static_cast<HelpWindow*>(object));
    return nullptr;
}

// The faces and sizes of each kind of block, at a zoom of 1.
rt::FontSpec fontOf(Block::Kind kind)
{
    switch (kind) {
    case Block::Title: return {"MS Sans Serif", 18, true};
    case Block::Heading: return {"MS Sans Serif", 14.25f, true};
    case Block::Formula: return {"Dutch801", 13.5f};
    default: return {"MS Sans Serif", 11.25f};
    }
}

QString shownText(const Block& block)
{
    switch (block.kind) {
    case Block::Item: return QStringLiteral("•&nbsp;&nbsp;") + block.shown;
    case Block::Step: return QStringLiteral("%1.&nbsp;&nbsp;").arg(block.number) + block.shown;
    default: return block.shown;
    }
}

// The table of keys: as tall as its rows, laid out again at each width, so
// that the page scrolls, not the table.
class KeysTable : public QTableWidget {
public:
    explicit KeysTable(QWidget* parent) : QTableWidget(parent)
    {
        // The rows' heights follow the columns' widths once the header has
        // laid them out.
        QObject::connect(
            horizontalHeader(), &QHeaderView::sectionResized, this, [this] { fit(); }, Qt::QueuedConnection);
    }
    void fit()
    {
        resizeRowsToContents();
        int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
        for (int row = 0; row < rowCount(); ++row) height += rowHeight(row);
        setFixedHeight(height);
    }
};

// The window's size at a zoom.
QSize sizeAt(double zoom)
{
    return (QSizeF(880, 660) * zoom).toSize();
}

int scaled(double pixels, double zoom)
{
    return static_cast<int>(std::lround(pixels * zoom));
}

}  // namespace

HelpColours helpColours(rt::Profile profile)
{
    // Dark ink on white paper; the headings in the forms' dark red, the
    // links in blue. The high-contrast profile darkens them further.
    if (profile == rt::Profile::HighContrast)
        return {rt::RGB(255, 255, 255), rt::RGB(0, 0, 0), rt::RGB(112, 0, 0), rt::RGB(0, 0, 160), rt::RGB(0, 0, 0)};
    return {rt::RGB(255, 255, 255), rt::RGB(32, 32, 32), rt::RGB(160, 0, 0), rt::RGB(0, 0, 204), rt::RGB(0, 0, 128)};
}

HelpBlock::HelpBlock(const Block& block, HelpWindow& window, QWidget* parent)
    : QLabel(parent), window_(window), kind_(block.kind), heard_(block.heard), target_(block.target)
{
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setText(shownText(block));
    // Links are tab stops; the rest is read with the arrow keys.
    setFocusPolicy(kind_ == Block::Link ? Qt::StrongFocus : Qt::ClickFocus);
    if (kind_ == Block::Link) setCursor(Qt::PointingHandCursor);
    if (kind_ == Block::Formula) setAlignment(Qt::AlignHCenter);
}

void HelpBlock::activate()
{
    // The page this link is on may go with the one it opens: opened once
    // the event that followed it is over.
    if (kind_ == Block::Link)
        QMetaObject::invokeMethod(
            &window_, [window = &window_, target = target_] { window->open(target); }, Qt::QueuedConnection);
}

void HelpBlock::restyle(double zoom)
{
    QFont font = rt::toQFont(fontOf(kind_), zoom);
    font.setUnderline(kind_ == Block::Link);
    setFont(font);
    const HelpColours colours = window_.colours();
    const rt::Color ink = kind_ == Block::Link                               ? colours.link
                          : kind_ == Block::Title || kind_ == Block::Heading ? colours.heading
                                                                             : colours.text;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, rt::toQColor(ink));
    setPalette(palette);
    const int indent = kind_ == Block::Item || kind_ == Block::Step ? scaled(18, zoom) : 0;
    const int above = kind_ == Block::Heading ? scaled(14, zoom) : kind_ == Block::Title ? 0 : scaled(3, zoom);
    setContentsMargins(indent + scaled(4, zoom), above, scaled(4, zoom), scaled(3, zoom));
}

void HelpBlock::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Down: window_.moveFocus(*this, 1); return;
        case Qt::Key_Up: window_.moveFocus(*this, -1); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (kind_ == Block::Link) {
                activate();
                return;
            }
            break;
        default: break;
        }
    }
    QLabel::keyPressEvent(event);
}

void HelpBlock::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    activate();
}

void HelpBlock::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Where the keyboard is, as the forms mark it: a ring at 3:1 or more.
    QPainter painter(this);
    QPen pen(rt::toQColor(window_.colours().focus));
    const int width = std::max(2, scaled(2, window_.zoom()));
    pen.setWidth(width);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
}

HelpWindow::HelpWindow(rt::Session& session)
    : session_(session),
      scroll_(new QScrollArea(this)),
      contentsLayout_(new QVBoxLayout),
      fit_(*this, session.display(), sizeAt,
           [this](double zoom) {
               zoom_ = zoom;
               restyle();
               notice_.rescale(zoom);
           }),
      said_(*this),
      notice_(*this, [this](const QString& sentence) { said_.say(sentence); })
{
    initPages();
    QAccessible::installFactory(helpAccessible);
    setObjectName(QStringLiteral("ajuda"));
    setWindowFlag(Qt::Window);
    setAutoFillBackground(true);

    // The contents: every page, the one shown in bold.
    auto* contents = new QWidget(this);
    contents->setObjectName(QStringLiteral("contingut"));
    contents->setLayout(contentsLayout_);
    Block title;
    title.kind = Block::Heading;
    title.shown = title.plain = title.heard = QStringLiteral("Contingut");
    contents_.push_back(new HelpBlock(title, *this, contents));
    for (const char* name : pageNames()) {
        Block link;
        link.kind = Block::Link;
        link.shown = link.plain = link.heard = loadPage(QString::fromUtf8(name)).title;
        link.target = QString::fromUtf8(name);
        contents_.push_back(new HelpBlock(link, *this, contents));
    }
    for (HelpBlock* b : contents_) contentsLayout_->addWidget(b);
    contentsLayout_->addStretch();

    scroll_->setObjectName(QStringLiteral("pàgina"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(contents);
    layout->addWidget(scroll_, 1);

    rt::installKeys(*this, rt::HelpWindowKind,
                    rt::sharedKeyActions(*this, rt::HelpWindowKind, session, fit_, notice_, QString()));
    // What the keyboard reads is in view.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && content_ != nullptr && content_->isAncestorOf(now))
            scroll_->ensureWidgetVisible(now, 0, 8);
    });
    showPage(QStringLiteral("programa"));
    resize(sizeAt(1));
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showPage(const QString& name)
{
    page_ = loadPage(pageExists(name) ? name : QStringLiteral("programa"));
    setWindowTitle(QStringLiteral("Ajuda d'Ondarell: %1").arg(page_.title));
    blocks_.clear();
    keys_ = nullptr;
    auto* content = new QWidget;
    content->setObjectName(page_.name);
    auto* layout = new QVBoxLayout(content);
    for (const Block& block : page_.blocks) {
        if (block.kind == Block::Keys) {
            keys_ = new KeysTable(content);
            fillKeys();
            layout->addWidget(keys_);
            blocks_.push_back(nullptr);
            continue;
        }
        blocks_.push_back(new HelpBlock(block, *this, content));
        layout->addWidget(blocks_.back());
    }
    layout->addStretch();
    content_ = content;
    // Styled before the scroll area lays it out: its blocks' heights follow
    // their fonts.
    restyle();
    // The last page's blocks go once the event that changed the page is over.
    // (Kept a child of the window meanwhile, so that it goes with it.)
    if (QWidget* last = scroll_->takeWidget()) {
        last->hide();
        last->setParent(this);
        last->deleteLater();
    }
    scroll_->setWidget(content);
}

void HelpWindow::fillKeys()
{
    keys_->setObjectName(QStringLiteral("tecles"));
    keys_->setAccessibleName(QStringLiteral("Tecles del programa"));
    keys_->setColumnCount(3);
    keys_->setHorizontalHeaderLabels({QStringLiteral("Tecla"), QStringLiteral("Què fa"), QStringLiteral("On")});
    const auto table = rt::keyTable();
    keys_->setRowCount(static_cast<int>(table.size()));
    for (int row = 0; row < keys_->rowCount(); ++row) {
        const rt::KeyEntry& entry = table[static_cast<size_t>(row)];
        int column = 0;
        for (const char* text : {entry.shown, entry.does, entry.where}) {
            auto* item = new QTableWidgetItem(QString::fromUtf8(text));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // What a screen reader hears of the cell: "Control Més".
            item->setData(Qt::AccessibleTextRole, heard(QString::fromUtf8(text)));
            keys_->setItem(row, column++, item);
        }
    }
    keys_->verticalHeader()->hide();
    keys_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    keys_->setSelectionBehavior(QAbstractItemView::SelectRows);
    keys_->setSelectionMode(QAbstractItemView::SingleSelection);
    keys_->setTabKeyNavigation(false);
    keys_->setWordWrap(true);
    keys_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keys_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keys_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    keys_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    keys_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    // The arrows start at the first cell; nothing is chosen yet.
    keys_->selectionModel()->setCurrentIndex(keys_->model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void HelpWindow::restyle()
{
    const HelpColours colours = this->colours();
    QPalette palette = QApplication::palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase})
        palette.setColor(role, rt::toQColor(colours.paper));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, rt::toQColor(colours.text));
    setPalette(palette);
    for (HelpBlock* b : contents_) {
        b->restyle(zoom_);
        // The page shown, in bold.
        QFont font = b->font();
        font.setBold(b->kind() == Block::Heading || b->target() == page_.name);
        b->setFont(font);
    }
    for (HelpBlock* b : blocks_)
        if (b != nullptr) b->restyle(zoom_);
    contents_.front()->parentWidget()->setFixedWidth(scaled(215, zoom_));
    if (keys_ != nullptr) {
        keys_->setFont(rt::toQFont(fontOf(Block::Paragraph), zoom_));
        keys_->horizontalHeader()->setFont(rt::toQFont({"MS Sans Serif", 11.25f, true}, zoom_));
        keys_->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: %1; }")
                                 .arg(rt::toQColor(rt::controlInk(colours.paper)).name()));
        static_cast<KeysTable*>(keys_)->fit();
    }
}

void HelpWindow::recolour()
{
    restyle();
    update();
}

void HelpWindow::open(QString target)
{
    // F1 in the help itself: forward, where the pupil was.
    if (target.isEmpty() && isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const QString name = target.isEmpty() ? page_.name : pageOf(target);
    if (name != page_.name || content_ == nullptr) showPage(name);
    const size_t at = page_.blockOf(anchorOf(target));
    HelpBlock* heading = at < blocks_.size() ? blocks_[at] : nullptr;
    // The focus is the heading's before the window shows, so that nothing
    // else takes it on the way and a screen reader hears the window, then
    // the heading.
    if (heading != nullptr) heading->setFocus(Qt::OtherFocusReason);
    if (!isVisible()) fit_.showAsChosen();
    show();
    raise();
    activateWindow();
    if (heading != nullptr) {
        heading->setFocus(Qt::OtherFocusReason);
        // A section opens at its heading, at the top.
        if (at > 0)
            scroll_->verticalScrollBar()->setValue(heading->y());
        else
            scroll_->verticalScrollBar()->setValue(0);
    }
}

void HelpWindow::moveFocus(HelpBlock& from, int step)
{
    std::vector<QWidget*> order;
    const auto& list = from.parentWidget() == content_ ? blocks_ : contents_;
    for (HelpBlock* b : list) order.push_back(b != nullptr ? static_cast<QWidget*>(b) : keys_);
    const auto at = std::find(order.begin(), order.end(), &from);
    if (at == order.end()) return;
    const long next = (at - order.begin()) + step;
    if (next >= 0 && next < static_cast<long>(order.size()))
        order[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
}

}  // namespace help
