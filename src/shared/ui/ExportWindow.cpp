#include "shared/ui/ExportWindow.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/platform/Messages.h"
#include "base/platform/OpenURL.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/Help.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"
#include "sheets/core/CsvExport.h"
#include "sheets/core/ExportCells.h"
#include "sheets/core/XlsxExport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

// --- grid -------------------------------------------------------------------

ExportGridModel::ExportGridModel(const QList<ExportGridColumn>& columns, int hiddenColumns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_table(int(columns.size()) + hiddenColumns)
{
}

void ExportGridModel::reload(const std::function<void(ExportTable*)>& fill)
{
    beginResetModel();
    m_table.clear();
    fill(&m_table);
    endResetModel();
}

int ExportGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int ExportGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size()) + 1;
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return m_table.value(index.row(), index.column() - 1);
}

bool ExportGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text == m_table.value(index.row(), index.column() - 1))
        return true;
    m_table.setValue(index.row(), index.column() - 1, text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() > 0 && m_columns.at(index.column() - 1).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("N.");
    if (section > 0 && section <= m_columns.size())
        return m_columns.at(section - 1).header;
    return QVariant();
}

QWidget* ExportGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        connect(line, &QLineEdit::textEdited, this,
                [this, line] { emit const_cast<ExportGridDelegate*>(this)->commitData(line); });
    }
    return editor;
}

// --- window -----------------------------------------------------------------

ExportWindow::ExportWindow(const Design& design, QWidget* parent)
    : QDialog(parent)
    , m_design(design)
    , m_model(new ExportGridModel(design.grid, int(design.appended.size()), this))
{
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    DialogFrame::fix(this, 862, 560);
    DialogFrame::solid(this, QColor::fromRgba(0xFFEEEDED));

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));

    shpSfondo = new QFrame(panContainer);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    DialogFrame::solid(shpSfondo, Qt::white);
    shpSfondo->setFixedHeight(72);

    imgLogo = new QLabel(shpSfondo);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(selvoraPicture(QStringLiteral("selvora-logo")));
    imgLogo->setAccessibleName(QStringLiteral("Selvora"));
    icoHand = new QLabel(shpSfondo);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    icoHand->setPixmap(selvoraIcon(QStringLiteral("pointer")).pixmap(34, 34));
    icoHand->setAccessibleName(QStringLiteral("Comandi"));

    cmdEsporta = new PictureButton(QStringLiteral("cmdEsporta"), QStringLiteral("file-spreadsheet"), QString(),
                                   QStringLiteral("Esporta in Microsoft Excel"), shpSfondo);
    cmdEsportaXlsx = new PictureButton(QStringLiteral("cmdEsportaXlsx"), QStringLiteral("file-spreadsheet"),
                                       QStringLiteral("XLSX"), QStringLiteral("Esporta in Excel (.xlsx)"), shpSfondo);
    cmdEsportaCsv = new PictureButton(QStringLiteral("cmdEsportaCsv"), QStringLiteral("file-text"),
                                      QStringLiteral("CSV"), QStringLiteral("Esporta in CSV"), shpSfondo);
    for (PictureButton* b : {cmdEsportaXlsx, cmdEsportaCsv}) {
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(32, 32));
    }
    cmdGuida = new PictureButton(QStringLiteral("cmdGuida"), QStringLiteral("circle-help"), QString(),
                                 QStringLiteral("Guida"), shpSfondo);
    cmdEsci = new PictureButton(QStringLiteral("cmdEsci"), QStringLiteral("log-out"), QString(), QStringLiteral("Esci"),
                                shpSfondo);
    for (PictureButton* b : {cmdEsporta, cmdGuida, cmdEsci})
        b->setIconSize(QSize(44, 44));

    auto* strip = new QHBoxLayout(shpSfondo);
    strip->setContentsMargins(12, 4, 16, 4);
    strip->addWidget(imgLogo);
    strip->addStretch();
    strip->addWidget(icoHand);
    strip->addSpacing(10);
    strip->addWidget(cmdEsporta);
    strip->addWidget(cmdEsportaXlsx);
    strip->addWidget(cmdEsportaCsv);
    strip->addWidget(cmdGuida);
    strip->addWidget(cmdEsci);

    grdRecords = new QTableView(panContainer);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setAccessibleName(QStringLiteral("Schede in archivio"));
    grdRecords->setModel(m_model);
    grdRecords->setItemDelegate(new ExportGridDelegate(grdRecords));
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->setColumnWidth(0, 60);
    for (int c = 0; c < design.grid.size(); ++c)
        grdRecords->setColumnWidth(c + 1, design.grid.at(c).width);

    shpInfo = new InfoBar(SpreadsheetExport::idleText(), QColor(0x6A, 0x5A, 0xCD), panContainer); // slate blue
    panInfo = shpInfo->panInfo();
    shpInfo->describe(cmdEsporta, SpreadsheetExport::esportaText());
    shpInfo->describe(cmdEsportaXlsx, QStringLiteral("Esporta l'archivio in un file di Excel (.xlsx)."));
    shpInfo->describe(cmdEsportaCsv,
                      QStringLiteral("Esporta l'archivio in un file CSV (testo separato da punto e virgola)."));
    shpInfo->describe(cmdGuida, SpreadsheetExport::guidaText());
    shpInfo->describe(cmdEsci, SpreadsheetExport::esciText());
    for (QWidget* background :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(panContainer), static_cast<QWidget*>(grdRecords),
          grdRecords->viewport(), static_cast<QWidget*>(shpSfondo), static_cast<QWidget*>(imgLogo),
          static_cast<QWidget*>(icoHand)})
        shpInfo->clearOver(background);

    auto* inner = new QVBoxLayout(panContainer);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(6);
    inner->addWidget(shpSfondo);
    auto* gridBox = new QHBoxLayout;
    gridBox->setContentsMargins(8, 0, 8, 0);
    gridBox->addWidget(grdRecords);
    inner->addLayout(gridBox, 1);
    inner->addWidget(shpInfo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panContainer);

    connect(cmdEsporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdEsportaXlsx, &QToolButton::clicked, this, &ExportWindow::cmdEsportaXlsxClick);
    connect(cmdEsportaCsv, &QToolButton::clicked, this, &ExportWindow::cmdEsportaCsvClick);
    WriteGuard::mark({cmdEsporta, cmdEsportaXlsx, cmdEsportaCsv}, shpInfo);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);
}

int ExportWindow::column(const QString& name) const
{
    if (name == QLatin1String("colNum"))
        return 0;
    for (int c = 0; c < m_design.grid.size(); ++c)
        if (m_design.grid.at(c).name == name)
            return c + 1;
    return -1;
}

QString ExportWindow::exportPath() const
{
    return ProgramFolder::file(m_design.fileName);
}

namespace {

QString besideWithSuffix(const QString& path, const QString& suffix)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

} // namespace

QString ExportWindow::xlsxPath() const
{
    return besideWithSuffix(exportPath(), QStringLiteral(".xlsx"));
}

QString ExportWindow::csvPath() const
{
    return besideWithSuffix(exportPath(), QStringLiteral(".csv"));
}

void ExportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    // The grid is filled once per opening; a window shown again after being
    // minimised keeps what the user typed.
    m_shown = true;
    DialogFrame::centreOnScreen(this);
    FormShow();
}

void ExportWindow::FormShow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->reload([this](ExportTable* table) { m_unreadable = !loadRecords(table); });
    QApplication::restoreOverrideCursor();
}

void ExportWindow::cmdEsportaClick()
{
    // A grid filled from a file that could not be read is no export of it.
    if (m_unreadable) {
        Messages::error(this, RecordFile::accessMessage());
        return;
    }
    if (!Messages::confirm(this, SpreadsheetExport::confirmMessage()))
        return;
    const QString path = exportPath();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = SpreadsheetExport::write(path, m_design.sheetName, m_design.exported, m_model->table());
    QApplication::restoreOverrideCursor();
    if (!written) {
        Messages::plain(this, SpreadsheetExport::failureMessage());
        return;
    }
    if (Messages::confirm(this, SpreadsheetExport::successMessage()))
        TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}

void ExportWindow::cmdEsportaXlsxClick()
{
    exportTo(xlsxPath(), [this](QString* error) {
        return XlsxExport::write(xlsxPath(), m_design.sheetName, m_design.exported + m_design.appended,
                                 m_model->table(), m_design.scoreColumn, error);
    });
}

void ExportWindow::cmdEsportaCsvClick()
{
    exportTo(csvPath(), [this](QString* error) {
        return CsvExport::write(csvPath(), m_design.exported + m_design.appended, m_model->table(),
                                m_design.scoreColumn, error);
    });
}

void ExportWindow::exportTo(const QString& path, const std::function<bool(QString* error)>& writer)
{
    // A cell still open in the grid has already reached the table (the
    // editor commits at every keystroke), so the file holds what is shown.
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = writer(&error);
    QApplication::restoreOverrideCursor();
    const QString name = QFileInfo(path).fileName();
    if (!written) {
        Messages::error(this, ExportCells::failureMessage(name, error));
        return;
    }
    if (Messages::confirm(this, ExportCells::successMessage(name)))
        TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}

void ExportWindow::cmdGuidaClick()
{
    Help::showTopic(this, m_design.helpTopic);
}

void ExportWindow::cmdEsciClick()
{
    close();
}
