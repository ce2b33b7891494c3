// The window of "Importa candidati da file…".
#include "candidates/ui/ImportWindow.h"

#include "base/core/SafeWrite.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "shared/ui/DialogFrame.h"
#include "sheets/core/CsvReader.h"
#include "sheets/core/XlsxReader.h"
#include "ui_ImportWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include <memory>

using namespace CandidateImport;

namespace {

enum PreviewColumn
{
    colRiga,
    colEsito,
    colCandidato,
    colDataNasc,
    colCodFisc,
    colMotivo,
    PreviewColumns
};

QColor verdictColour(Verdict v)
{
    switch (v) {
    case Verdict::Ready:
        return QColor(0xD9, 0xF2, 0xD9);
    case Verdict::Warning:
        return QColor(0xFF, 0xF1, 0xC2);
    case Verdict::Refused:
        return QColor(0xF8, 0xD0, 0xD0);
    case Verdict::Duplicate:
        return QColor(0xE0, 0xE0, 0xE0);
    }
    return QColor();
}

// A label whose changing text is also its accessible name.
void setSpokenText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
}

} // namespace

// --- preview ----------------------------------------------------------------

ImportPreviewModel::ImportPreviewModel(const SheetTable* table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
{
}

void ImportPreviewModel::setPreview(const QVector<int>& mapping, const Options& options, const Preview* preview,
                                    bool onlyToCheck)
{
    beginResetModel();
    m_mapping = mapping;
    m_options = options;
    m_preview = preview;
    m_cachedRow = -1;
    m_lines.clear();
    m_lines.reserve(preview->rows.size());
    for (int r = 0; r < preview->rows.size(); ++r)
        if (!onlyToCheck || preview->rows.at(r).verdict != Verdict::Ready)
            m_lines.append(r + 1);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PreviewColumns;
}

const TSchedaCandidato& ImportPreviewModel::card(int dataRow) const
{
    // The card is built again for the rows on screen only: the preview
    // keeps verdicts, not a hundred thousand cards.
    if (m_cachedRow != dataRow) {
        RowNotes notes;
        m_cached = cardOf(*m_table, m_mapping, dataRow, m_options, &notes);
        m_cachedRow = dataRow;
    }
    return m_cached;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_preview)
        return QVariant();
    const int row = m_lines.at(index.row());
    const RowNotes& notes = m_preview->rows.at(row - 1);
    if (role == Qt::BackgroundRole && index.column() == colEsito)
        return verdictColour(notes.verdict);
    if (role == Qt::ToolTipRole && index.column() == colMotivo)
        return notes.reasons.join(QLatin1Char('\n'));
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case colRiga:
        return m_table->sourceRow(row); // the row as the spreadsheet numbers it
    case colEsito:
        return verdictText(notes.verdict);
    case colCandidato:
        return card(row).Candidato;
    case colDataNasc:
        return card(row).DataNasc;
    case colCodFisc:
        return card(row).CodFisc;
    case colMotivo:
        return notes.reasons.join(QStringLiteral("; "));
    }
    return QVariant();
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case colRiga:
        return QStringLiteral("Riga");
    case colEsito:
        return QStringLiteral("Esito");
    case colCandidato:
        return QStringLiteral("Cognome e nome");
    case colDataNasc:
        return QStringLiteral("Data nascita");
    case colCodFisc:
        return QStringLiteral("Codice fiscale");
    case colMotivo:
        return QStringLiteral("Avvisi e motivi");
    }
    return QVariant();
}

// --- window -----------------------------------------------------------------

void ImportWindow::importFile(QWidget* parent, const QString& path)
{
    const bool csv = !path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
    SheetTable table;
    QString error;
    QString description;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool read;
    if (csv) {
        read = CsvReader::read(path, &table, &error);
        if (read) {
            // What detection found, for the clerk to see.
            QFile f(path);
            QByteArray head;
            if (f.open(QIODevice::ReadOnly))
                head = f.read(64 * 1024);
            QString encoding;
            const QString text = CsvReader::decode(head, &encoding);
            const QChar separator = CsvReader::detectSeparator(text);
            const QString sep = separator == u';' ? QStringLiteral("punto e virgola")
                : separator == u','               ? QStringLiteral("virgola")
                                                  : QStringLiteral("tabulazione");
            description = QStringLiteral("testo CSV, codifica %1, separatore %2").arg(encoding, sep);
        }
    } else {
        read = XlsxReader::read(path, &table, &error);
        description = QStringLiteral("foglio di lavoro Excel (primo foglio)");
    }
    QApplication::restoreOverrideCursor();
    const QString name = QFileInfo(path).fileName();
    if (!read) {
        Messages::warning(
            parent, QStringLiteral("Attenzione: il file \"%1\" non può essere importato.\n\r\n\r%2").arg(name, error));
        return;
    }
    if (table.rowCount() < 2) {
        Messages::warning(parent,
                          QStringLiteral("Attenzione: il file \"%1\" contiene solo la riga di intestazione: "
                                         "non ci sono candidati da importare.")
                              .arg(name));
        return;
    }
    ArchiveKeys archive;
    if (!readArchiveKeys(CandidateArchive::path(), &archive, &error)) {
        Messages::error(parent, error);
        return;
    }
    std::unique_ptr<ImportWindow> window(new ImportWindow(path, table, csv, description, archive, parent));
    Modal::run(window.get());
}

ImportWindow::ImportWindow(const QString& path, const SheetTable& table, bool fromCsv, const QString& fileDescription,
                           const ArchiveKeys& archive, QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::ImportWindow)
    , m_path(path)
    , m_table(table)
    , m_archive(archive)
    , m_model(new ImportPreviewModel(&m_table, this))
{
    m_options.fromCsv = fromCsv;
    m_ui->setupUi(this);
    lblFile = m_ui->lblFile;
    tblColonne = m_ui->tblColonne;
    lblAvvisiColonne = m_ui->lblAvvisiColonne;
    tblAnteprima = m_ui->tblAnteprima;
    lblConteggi = m_ui->lblConteggi;
    chkSoloDaControllare = m_ui->chkSoloDaControllare;
    chkAvvisi = m_ui->chkAvvisi;
    lblEsito = m_ui->lblEsito;
    btnImporta = m_ui->btnImporta;
    btnResoconto = m_ui->btnResoconto;
    btnChiudi = m_ui->btnChiudi;

    setSpokenText(lblFile,
                  QStringLiteral("File: %1 (%2). Righe di candidati: %3. Schede già in archivio: %4.")
                      .arg(QFileInfo(path).fileName(), fileDescription)
                      .arg(m_table.rowCount() - 1)
                      .arg(archive.cards));

    // --- mapping ----------------------------------------------------------------
    tblColonne->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    tblColonne->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblColonne->setColumnWidth(0, 220);
    tblColonne->setColumnWidth(2, 240);
    tblColonne->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);

    const QStringList headings = m_table.row(0);
    m_mapping = mapHeadings(headings);
    tblColonne->setRowCount(int(headings.size()));
    const QList<Choice> all = choices();
    for (int c = 0; c < headings.size(); ++c) {
        const QString heading =
            headings.at(c).isEmpty() ? QStringLiteral("(colonna %1 senza titolo)").arg(c + 1) : headings.at(c);
        tblColonne->setItem(c, 0, new QTableWidgetItem(heading));
        tblColonne->setItem(c, 1, new QTableWidgetItem(m_table.cell(1, c).toString()));
        auto* box = new QComboBox(tblColonne);
        box->setObjectName(QStringLiteral("cboCampo%1").arg(c + 1));
        box->setAccessibleName(QStringLiteral("Campo della scheda per la colonna %1").arg(heading));
        for (const Choice& choice : all)
            box->addItem(choice.label, choice.target);
        box->setCurrentIndex(box->findData(m_mapping.at(c)));
        connect(box, &QComboBox::currentIndexChanged, this, &ImportWindow::mappingChanged);
        tblColonne->setCellWidget(c, 2, box);
        m_boxes.append(box);
    }
    // Tab goes from the table through its fields before leaving it.
    QWidget* previous = tblColonne;
    for (QComboBox* box : std::as_const(m_boxes)) {
        QWidget::setTabOrder(previous, box);
        previous = box;
    }
    lblAvvisiColonne->setStyleSheet(QStringLiteral("color: #9C3A00;"));

    // --- preview ----------------------------------------------------------------
    tblAnteprima->setModel(m_model);
    tblAnteprima->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblAnteprima->setColumnWidth(colRiga, 50);
    tblAnteprima->setColumnWidth(colEsito, 80);
    tblAnteprima->setColumnWidth(colCandidato, 220);
    tblAnteprima->setColumnWidth(colDataNasc, 95);
    tblAnteprima->setColumnWidth(colCodFisc, 150);
    // The rows come before the counts above them, for Tab and for a screen
    // reader.
    tblAnteprima->stackUnder(lblConteggi);
    QWidget::setTabOrder(tblAnteprima, chkSoloDaControllare);
    connect(chkSoloDaControllare, &QCheckBox::toggled, this, &ImportWindow::refreshPreview);

    // --- import -----------------------------------------------------------------
    // The check box comes before the verdict line for a screen reader.
    chkAvvisi->stackUnder(lblEsito);
    setSpokenText(lblEsito, QStringLiteral("I doppioni e le righe senza cognome e nome non vengono mai importati."));

    connect(btnImporta, &QPushButton::clicked, this, &ImportWindow::btnImportaClick);
    connect(btnResoconto, &QPushButton::clicked, this, &ImportWindow::btnResocontoClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    m_preview = CandidateImport::preview(m_table, m_mapping, m_options, m_archive);
    refreshPreview();
}

ImportWindow::~ImportWindow() = default;

QComboBox* ImportWindow::mappingBox(int column) const
{
    return m_boxes.value(column);
}

void ImportWindow::mappingChanged()
{
    // A target chosen for one column is taken away from any other, so that
    // no field is filled twice.
    auto* changed = qobject_cast<QComboBox*>(sender());
    const int target = changed ? changed->currentData().toInt() : Ignore;
    for (int c = 0; c < m_boxes.size(); ++c) {
        QComboBox* box = m_boxes.at(c);
        if (box != changed && target != Ignore && box->currentData().toInt() == target) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(box->findData(int(Ignore)));
        }
        m_mapping[c] = box->currentData().toInt();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_preview = CandidateImport::preview(m_table, m_mapping, m_options, m_archive);
    QApplication::restoreOverrideCursor();
    refreshPreview();
}

void ImportWindow::refreshPreview()
{
    m_model->setPreview(m_mapping, m_options, &m_preview, chkSoloDaControllare->isChecked());
    showCounts();
}

void ImportWindow::showCounts()
{
    setSpokenText(lblAvvisiColonne, m_preview.columns.join(QLatin1Char('\n')));
    lblAvvisiColonne->setVisible(!m_preview.columns.isEmpty());
    setSpokenText(lblConteggi,
                  QStringLiteral("Pronte: %1   Con avvisi: %2   Rifiutate: %3   Doppioni: %4")
                      .arg(m_preview.ready)
                      .arg(m_preview.warned)
                      .arg(m_preview.refused)
                      .arg(m_preview.duplicates));
    btnImporta->setEnabled(!m_outcome.ok && (m_preview.ready > 0 || m_preview.warned > 0));
}

void ImportWindow::btnImportaClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_outcome = CandidateImport::store(CandidateArchive::path(), m_table, m_mapping, m_options, m_preview,
                                       chkAvvisi->isChecked());
    QApplication::restoreOverrideCursor();
    const QString text = summary(m_outcome);
    setSpokenText(lblEsito, text);
    if (!m_outcome.ok) {
        Messages::error(this, text);
        return;
    }
    // Once imported, the same rows must not go in a second time.
    btnImporta->setEnabled(false);
    chkAvvisi->setEnabled(false);
    for (QComboBox* box : std::as_const(m_boxes))
        box->setEnabled(false);
    btnResoconto->setEnabled(true);
    Messages::information(this, text);
}

void ImportWindow::btnResocontoClick()
{
    const QString target = FileDialogs::getSaveFileName(this, QStringLiteral("Salva il resoconto dell'importazione"),
                                                        QStringLiteral("Resoconto_importazione.txt"),
                                                        QStringLiteral("File di testo (*.txt)"), QStringLiteral("txt"));
    if (target.isEmpty())
        return;
    QString text = report(QFileInfo(m_path).fileName(), m_table, m_mapping, m_options, m_preview, m_outcome);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QString error;
    if (!SafeWrite::wholeFile(target, text.toUtf8(), &error))
        Messages::error(this,
                        QStringLiteral("Attenzione: il resoconto non può essere salvato nel file \"%1\".\n\r\n\r"
                                       "Dettaglio: %2")
                            .arg(QFileInfo(target).fileName(), error));
}
