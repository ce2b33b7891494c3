#include "candidates/ui/ExpCandidati.h"

#include "base/core/HelpTopics.h"
#include "base/core/RecordFile.h"
#include "candidates/core/SchedaCandidato.h"

#include <array>

namespace {

using C = TSchedaCandidato;

// The card fields of the table, in grid order, then the sex: it is not shown
// in the grid nor written in the .xls file, but the .xlsx and .csv files end
// with it so that their import gives it back. The attachments are never
// exported.
constexpr std::array<C::Campo, 26> kFields = {
    C::fCandidato,  C::fDataNasc,      C::fCittadinanza, C::fLuogoNasc,  C::fIndirizzo, C::fCitta,   C::fCap,
    C::fSettore,    C::fCodFisc,       C::fPartitaIva,   C::fPatente,    C::fStudio,    C::fLingue,  C::fEmail,
    C::fTel,        C::fCel,           C::fDocumento,    C::fEnteRil,    C::fInizioTes, C::fFineTes, C::fEsperienze,
    C::fCompetenze, C::fDisponibilita, C::fNote,         C::fRicontatta, C::fSesso,
};

ExportWindow::Design design()
{
    ExportWindow::Design d;
    d.objectName = QStringLiteral("frmExpCandidati");
    d.caption = QStringLiteral(" Esportazione archivio candidati in Microsoft Excel");
    d.grid = {
        {QStringLiteral("colTiratore"), QStringLiteral("Cognome e nome"), 220, false},
        {QStringLiteral("colDataNasc"), QStringLiteral("Data nascita"), 150, false},
        {QStringLiteral("colCittadinanza"), QStringLiteral("Cittadinanza"), 200, false},
        {QStringLiteral("colLuogoNasc"), QStringLiteral("Luogo nascita"), 200, true},
        {QStringLiteral("colIndirizzo"), QStringLiteral("Indirizzo residenza"), 250, true},
        {QStringLiteral("colCitta"), QStringLiteral("Città"), 220, true},
        {QStringLiteral("colCAP"), QStringLiteral("CAP"), 100, true},
        {QStringLiteral("colSettore"), QStringLiteral("Settore professionale"), 200, false},
        {QStringLiteral("colCodFisc"), QStringLiteral("Codice fiscale"), 180, false},
        {QStringLiteral("colPartitaIva"), QStringLiteral("Partita IVA"), 150, true},
        {QStringLiteral("colPatente"), QStringLiteral("Patente di guida"), 200, false},
        {QStringLiteral("colStudio"), QStringLiteral("Titolo di studio"), 250, false},
        {QStringLiteral("colLingue"), QStringLiteral("Lingue conosciute"), 250, false},
        {QStringLiteral("colEmail"), QStringLiteral("E-mail"), 220, true},
        {QStringLiteral("colTelCasa"), QStringLiteral("Tel. casa"), 180, false},
        {QStringLiteral("colTelCel"), QStringLiteral("Tel. cellulare"), 180, true},
        {QStringLiteral("colDocumento"), QStringLiteral("Documento"), 280, false},
        {QStringLiteral("colEnteRil"), QStringLiteral("Ente di rilascio"), 200, true},
        {QStringLiteral("colInizioTes"), QStringLiteral("Data rilascio"), 150, true},
        {QStringLiteral("colFineTes"), QStringLiteral("Data scadenza"), 150, true},
        {QStringLiteral("colEsperienze"), QStringLiteral("Esperienze lavorative"), 350, true},
        {QStringLiteral("colCompetenze"), QStringLiteral("Competenze informatiche"), 350, true},
        {QStringLiteral("colDisponibilita"), QStringLiteral("Disponibilità"), 200, true},
        {QStringLiteral("colNote"), QStringLiteral("Note"), 350, true},
        {QStringLiteral("colRicontatta"), QStringLiteral("Da ricontattare"), 120, true},
    };
    // Some titles in the file differ from the grid headers.
    d.exported = {
        {QStringLiteral("Cognome e nome"), 250},
        {QStringLiteral("Data nascita"), 200},
        {QStringLiteral("Cittadinanza"), 250},
        {QStringLiteral("Luogo nascita"), 250},
        {QStringLiteral("Indirizzo residenza"), 300},
        {QStringLiteral("Città"), 250},
        {QStringLiteral("CAP"), 150},
        {QStringLiteral("Settore professionale"), 250},
        {QStringLiteral("Codice fiscale"), 250},
        {QStringLiteral("Partita IVA"), 200},
        {QStringLiteral("Patente di guida"), 250},
        {QStringLiteral("Titolo di studio"), 400},
        {QStringLiteral("Lingue conosciute"), 350},
        {QStringLiteral("E-mail"), 250},
        {QStringLiteral("Tel. casa"), 200},
        {QStringLiteral("Tel. cellulare"), 200},
        {QStringLiteral("Documento"), 300},
        {QStringLiteral("Ente rilascio"), 250},
        {QStringLiteral("Data rilascio"), 200},
        {QStringLiteral("Data scadenza"), 200},
        {QStringLiteral("Esperienze lavorative"), 400},
        {QStringLiteral("Competenze informatiche"), 400},
        {QStringLiteral("Disponibilità"), 250},
        {QStringLiteral("Note"), 400},
        {QStringLiteral("Da ricontattare"), 160},
    };
    d.appended = {{QStringLiteral("Sesso"), 80}};
    d.fileName = QStringLiteral("Archivio_Candidati.xls");
    d.sheetName = QStringLiteral("Riepilogo Candidati");
    d.helpTopic = HelpTopics::candidatesExport();
    return d;
}

} // namespace

TfrmExpCandidati::TfrmExpCandidati(QWidget* parent)
    : ExportWindow(design(), parent)
{
}

bool TfrmExpCandidati::loadRecords(ExportTable* table)
{
    RecordFile file(CandidateArchive::path(), C::Size);
    if (!file.open())
        return false;
    table->reserve(int(file.count()), file.count() * 256);
    // Each field is a length byte and its text bytes, already Windows-1252:
    // they go into the grid as they are, without converting them twice. A
    // length larger than the field is read as the field's width.
    QVector<QByteArrayView> values(int(kFields.size()));
    const bool read = file.scan([table, &values](qint64, const char* record) {
        for (size_t i = 0; i < kFields.size(); ++i) {
            const char* field = record + C::fieldOffset(kFields[i]);
            const int length = qMin<int>(static_cast<unsigned char>(field[0]), C::maxChars(kFields[i]));
            values[int(i)] = QByteArrayView(field + 1, length);
        }
        table->appendRow(values);
        return true;
    });
    file.close();
    return read;
}
