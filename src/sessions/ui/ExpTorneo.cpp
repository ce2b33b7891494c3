#include "sessions/ui/ExpTorneo.h"

#include "app/ui/Windows.h"
#include "base/core/HelpTopics.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/Torneo.h"

#include <QLabel>

namespace {

ExportWindow::Design design()
{
    ExportWindow::Design d;
    d.objectName = QStringLiteral("frmExpTorneo");
    d.caption = QStringLiteral(" Esporta archivio candidati esaminati in Microsoft Excel");
    // The column names are the grid's own; the headers say which interview
    // card field each one holds.
    d.grid = {
        {QStringLiteral("colConcorrente"), QStringLiteral("Candidato"), 250, true},
        {QStringLiteral("colResponsabile"), QStringLiteral("Codice fiscale"), 180, true},
        {QStringLiteral("colTelefono"), QStringLiteral("Provenienza"), 250, false},
        {QStringLiteral("colEmail"), QStringLiteral("Data colloquio"), 150, false},
        {QStringLiteral("colPunteggio"), QStringLiteral("Punteggio totale"), 140, false},
        {QStringLiteral("colNote"), QStringLiteral("Note"), 350, true},
        {QStringLiteral("colCompletato"), QStringLiteral("Idoneo"), 140, false},
    };
    d.exported = {
        {QStringLiteral("Candidato"), 300},        {QStringLiteral("Codice fiscale"), 200},
        {QStringLiteral("Provenienza"), 250},      {QStringLiteral("Data colloquio"), 180},
        {QStringLiteral("Punteggio totale"), 200}, {QStringLiteral("Note"), 400},
        {QStringLiteral("Idoneo"), 180},
    };
    d.fileName = QStringLiteral("Sessione_Esame.xls");
    d.sheetName = QStringLiteral("Candidati esaminati");
    d.helpTopic = HelpTopics::sessionExport();
    d.scoreColumn = 4; // "Punteggio totale"
    return d;
}

} // namespace

TfrmExpTorneo::TfrmExpTorneo(QWidget* parent)
    : ExportWindow(design(), parent)
{
}

QString TfrmExpTorneo::sessionPath()
{
    TfrmTorneo* torneo = Windows::torneo();
    return torneo ? TextRules::trimmed(torneo->lblFile->text()) : QString();
}

bool TfrmExpTorneo::loadRecords(ExportTable* table)
{
    const QString path = sessionPath();
    if (path.isEmpty())
        return false;
    RecordFile file(path, TSchedaColloquio::Size);
    if (!file.open())
        return false;
    table->reserve(int(file.count()), file.count() * 64);
    // The interview details are neither shown nor exported.
    const bool read = file.scan([table](qint64, const char* record) {
        const TSchedaColloquio card = TSchedaColloquio::decode(record);
        table->appendRow(QStringList {card.Candidato, card.CodiceFiscale, card.Provenienza, card.DataColloquio,
                                      card.Punteggio, card.Note, card.Idoneo});
        return true;
    });
    file.close();
    return read;
}
