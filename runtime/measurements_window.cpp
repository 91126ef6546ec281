#include "measurements_window.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>

#include "keys.h"
#include "measurements.h"
#include "measurements_graph.h"
#include "qt_colors.h"
#include "spoken.h"

namespace rt {

MeasurementsWindow::MeasurementsWindow(Measurements& measurements, const QString& simulator, const QString& file,
                                       const QString& help, Session& session)
    : measurements_(measurements),
      file_(file),
      table_(new QTableView(this)),
      graph_(new MeasurementsGraph(measurements, this)),
      empty_(new QLabel(QStringLiteral("Encara no hi ha cap mesura: cada càlcul hi afegeix una fila."), this)),
      copyButton_(new QPushButton(QStringLiteral("&Copia"), this)),
      saveButton_(new QPushButton(QStringLiteral("&Desa…"), this)),
      removeButton_(new QPushButton(QStringLiteral("Esborra les &files triades"), this)),
      removeAllButton_(new QPushButton(QStringLiteral("Esborra-ho &tot…"), this)),
      designFont_(font()),
      display_(session.display()),
      fit_(
          *this, session.display(), [](double zoom) { return (QSizeF(900, 640) * zoom).toSize(); },
          [this](double zoom) {
              QFont zoomed = designFont_;
              if (designFont_.pointSizeF() > 0)
                  zoomed.setPointSizeF(designFont_.pointSizeF() * zoom);
              else
                  zoomed.setPixelSize(static_cast<int>(designFont_.pixelSize() * zoom));
              setFont(zoomed);
              table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(zoomed).height() * 3 / 2);
              notice_.rescale(zoom);
          }),
      said_(*this),
      notice_(*this, [this](const QString& sentence) { said_.say(sentence); })
{
    installKeys(*this, MeasurementsWindowKind,
                sharedKeyActions(*this, MeasurementsWindowKind, session, fit_, notice_, help));
    // (A widget's accessible help is its "what's this" text.)
    setWhatsThis(QString::fromStdString(spokenText(keysHelp(MeasurementsWindowKind).toStdString())));
    setObjectName(QStringLiteral("mesures"));
    setWindowTitle(QStringLiteral("Mesures: %1").arg(simulator));
    setAccessibleDescription(
        QStringLiteral("Una fila per càlcul: primer les dades i després els resultats. Ctrl+C copia les files "
                       "triades o, si no n'heu triat cap, totes."));
    table_->setObjectName(QStringLiteral("taulaDeMesures"));
    table_->setAccessibleName(QStringLiteral("Mesures"));
    table_->setModel(&measurements_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->installEventFilter(this);
    empty_->setWordWrap(true);
    auto* close = new QPushButton(QStringLiteral("Ta&nca"), this);
    QObject::connect(copyButton_, &QPushButton::clicked, this, [this] { copy(); });
    QObject::connect(saveButton_, &QPushButton::clicked, this, [this] { saveAsked(); });
    QObject::connect(removeButton_, &QPushButton::clicked, this, [this] { removeChosen(); });
    QObject::connect(removeAllButton_, &QPushButton::clicked, this, [this] { removeAll(); });
    QObject::connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {copyButton_, saveButton_, removeButton_, removeAllButton_, close}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(empty_);
    layout->addWidget(table_, 1);
    layout->addWidget(graph_, 1);
    layout->addLayout(buttons);

    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        QObject::connect(&measurements_, signal, this, [this] { updateState(); });
    QObject::connect(&measurements_, &QAbstractItemModel::modelReset, this, [this] { updateState(); });
    QObject::connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateState(); });
    updateState();
    recolour();
}

void MeasurementsWindow::bringForward()
{
    if (!isVisible()) fit_.showAsChosen();
    show();
    raise();
    activateWindow();
    table_->setFocus(Qt::OtherFocusReason);
}

QList<int> MeasurementsWindow::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows << index.row();
    return rows;
}

void MeasurementsWindow::copy()
{
    QApplication::clipboard()->setText(measurements_.tabSeparated(chosenRows()));
}

void MeasurementsWindow::removeChosen()
{
    QList<int> rows = chosenRows();
    if (rows.isEmpty() && table_->currentIndex().isValid()) rows << table_->currentIndex().row();
    measurements_.remove(rows);
}

void MeasurementsWindow::removeAll()
{
    if (measurements_.empty()) return;
    auto* ask = new QMessageBox(QMessageBox::Question, QStringLiteral("Esborra les mesures"),
                                QStringLiteral("Voleu esborrar totes les mesures d'aquest simulador? No es podran "
                                               "recuperar."),
                                QMessageBox::NoButton, this);
    QAbstractButton* erase = ask->addButton(QStringLiteral("&Esborra-les"), QMessageBox::DestructiveRole);
    QPushButton* keep = ask->addButton(QStringLiteral("Cancel·la"), QMessageBox::RejectRole);
    ask->setDefaultButton(keep);
    ask->setEscapeButton(keep);
    ask->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(ask, &QMessageBox::finished, this, [this, ask, erase] {
        if (ask->clickedButton() == erase) measurements_.clear();
    });
    ask->open();
}

bool MeasurementsWindow::saveAsked()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Desa les mesures"), folder + u'/' + file_ + QStringLiteral(".csv"),
        QStringLiteral("Valors separats per punt i coma (*.csv)"), nullptr, QFileDialog::DontUseNativeDialog);
    return !path.isEmpty() && saveTo(path);
}

namespace {

// Why a file could not be written, in Catalan.
QString reason(const QFileDevice& file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError: return QStringLiteral("no teniu permís per escriure-hi");
    case QFileDevice::ResourceError: return QStringLiteral("no hi ha prou espai al disc");
    case QFileDevice::OpenError: return QStringLiteral("no s'hi pot crear el fitxer");
    case QFileDevice::WriteError: return QStringLiteral("no s'hi ha pogut escriure");
    default: return QStringLiteral("el sistema no ho ha permès");
    }
}

}  // namespace

// Writes `bytes` to `path`, whole or not at all; the error is said, and
// for the graph's files, that the table was saved at `table`.
bool MeasurementsWindow::write(const QString& path, const QByteArray& bytes, const QString& table)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    const QString where = QDir::toNativeSeparators(path);
    const QString said =
        table.isEmpty()
            ? QStringLiteral("No s'han pogut desar les mesures a «%1»: %2. Les mesures continuen a la taula.")
                  .arg(where, reason(file))
            : QStringLiteral("La taula s'ha desat a «%1», però no s'ha pogut desar el gràfic a «%2»: %3.")
                  .arg(QDir::toNativeSeparators(table), where, reason(file));
    // Said over the window, which stays in use meanwhile.
    auto* failed = new QMessageBox(
        QMessageBox::Warning,
        table.isEmpty() ? QStringLiteral("No s'han desat les mesures") : QStringLiteral("No s'ha desat el gràfic"),
        said, QMessageBox::Ok, this);
    failed->setAttribute(Qt::WA_DeleteOnClose);
    failed->open();
    return false;
}

bool MeasurementsWindow::saveTo(const QString& path)
{
    // The table, and beside it the graph as a picture and as an SVG.
    const QString base = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path.chopped(4) : path;
    constexpr QSize kGraph(960, 540);
    QImage picture(kGraph, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        graph_->paint(painter, QRectF(QPointF(0, 0), kGraph));
    }
    QBuffer png, svg;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(kGraph);
    generator.setViewBox(QRect(QPoint(0, 0), kGraph));
    generator.setTitle(graph_->accessibleName());
    {
        QPainter painter(&generator);
        graph_->paint(painter, QRectF(QPointF(0, 0), kGraph));
    }
    if (!write(path, measurements_.csv())) return false;
    // The rows are on disk: saved, whatever becomes of the pictures.
    measurements_.saved();
    return write(base + QStringLiteral(".png"), png.data(), path) &&
           write(base + QStringLiteral(".svg"), svg.data(), path);
}

bool MeasurementsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copy();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            removeChosen();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MeasurementsWindow::recolour()
{
    // The high-contrast profile: black on white, and the table's lines and
    // the controls' edges in the forms' dark grey.
    QPalette palette = QApplication::palette();
    const bool high = display_.profile == Profile::HighContrast;
    const QColor lines = toQColor(controlInk(sys::Window));
    if (high) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
            palette.setColor(role, Qt::white);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, Qt::black);
        for (auto role : {QPalette::Mid, QPalette::Dark, QPalette::Shadow}) palette.setColor(role, lines);
    }
    setPalette(palette);
    table_->setStyleSheet(high ? QStringLiteral("QTableView { gridline-color: %1; }").arg(lines.name()) : QString());
}

void MeasurementsWindow::updateState()
{
    const bool rows = !measurements_.empty();
    empty_->setVisible(!rows);
    copyButton_->setEnabled(rows);
    saveButton_->setEnabled(rows);
    removeButton_->setEnabled(rows);
    removeAllButton_->setEnabled(rows);
}

}  // namespace rt
