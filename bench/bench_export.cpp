// Candidate archive export: a 100,000-card archive from opening the export
// window to the written spreadsheet file, beside a plain sequential read of
// the same archive.
#include "Bench.h"

#include "app/core/ProgramFolder.h"
#include "app/platform/Messages.h"
#include "app/platform/OpenURL.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/ExpCandidati.h"
#include "output/core/SpreadsheetExport.h"
#include "shared/ui/PictureButton.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <memory>

namespace {

// n cards with every exported field filled, accents and markup characters
// included, as a busy office's archive would be.
bool writeArchive(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList surnames {"Rossi",   "Bianchi", "Verdi",  "Esposito", "Romano",
                                "Colombo", "Ricci",   "Marino", "Greco",    "Bruno"};
    const QStringList names {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Niccolò", "Elena"};
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        TSchedaCandidato c;
        c.Candidato = QStringLiteral("%1 %2 %3").arg(surnames.at(i % 10), names.at((i / 10) % 8)).arg(i);
        c.Sesso = (i % 2) ? QStringLiteral("M") : QStringLiteral("F");
        c.DataNasc = QStringLiteral("%1/%2/19%3")
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                         .arg(60 + i % 40);
        c.Cittadinanza = QStringLiteral("Italiana");
        c.LuogoNasc = QStringLiteral("Città di Castello");
        c.Indirizzo = QStringLiteral("Via Giuseppe Garibaldi %1").arg(i % 200);
        c.Citta = QStringLiteral("Perugia");
        c.Cap = QStringLiteral("06100");
        c.Settore = QStringLiteral("Amministrazione & contabilità");
        c.CodFisc = QStringLiteral("RSSMRA80A01H%1U").arg(i % 1000, 3, 10, QLatin1Char('0'));
        c.PartitaIva = QStringLiteral("0123456789%1").arg(i % 10);
        c.Patente = QStringLiteral("B");
        c.Studio = QStringLiteral("Laurea magistrale in Economia aziendale");
        c.Lingue = QStringLiteral("Inglese (ottimo), Francese (buono), Tedesco (scolastico)");
        c.Email = QStringLiteral("candidato%1@example.it").arg(i);
        c.Tel = QStringLiteral("075 %1").arg(100000 + i);
        c.Cel = QStringLiteral("333 %1").arg(1000000 + i);
        c.Documento = QStringLiteral("Carta di identità AB%1").arg(100000 + i);
        c.EnteRil = QStringLiteral("Comune di Perugia");
        c.InizioTes = QStringLiteral("01/01/2020");
        c.FineTes = QStringLiteral("01/01/2030");
        c.Esperienze =
            QStringLiteral("Impiegato amministrativo presso studio commerciale <5 anni>, contabilità generale e paghe");
        c.Competenze = QStringLiteral("Pacchetto Office, gestionali di contabilità, posta elettronica");
        c.Disponibilita = QStringLiteral("Lunedì-venerdì, anche part-time");
        c.Note = QStringLiteral("Candidato segnalato dal centro per l'impiego, colloquio n. %1").arg(i);
        c.Ricontatta = TSchedaCandidato::flag(i % 3 == 0);
        block += c.encode();
        if (block.size() >= 4 * 1024 * 1024 || i == n - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.flush();
}

} // namespace

SELVORA_BENCHMARK("export: candidate archive of 100,000 cards to Archivio_Candidati.xls")
{
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const QString archive = CandidateArchive::path();
    if (!writeArchive(archive, 100000)) {
        std::printf("  cannot write the archive\n");
        ProgramFolder::clearOverride();
        return;
    }
    // The two questions of the export command are answered without boxes,
    // and the finished file is not handed to a spreadsheet program.
    Messages::setTestMode(true);
    TMisc::setTestMode(true);

    const double read = Bench::timeMs([&] { Bench::plainRead(archive); }, 5);
    Bench::report(QStringLiteral("plain read of the archive (%1 MB)").arg(QFileInfo(archive).size() / 1e6, 0, 'f', 0),
                  read);

    const double load = Bench::timeMs([] {
        std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
        w->show(); // fills the grid
    });
    Bench::report(QStringLiteral("opening the window: grid of 100,000 rows"), load, read);

    std::unique_ptr<TfrmExpCandidati> shown(new TfrmExpCandidati);
    shown->show();
    const QString xls = shown->exportPath();
    const double write = Bench::timeMs([&] {
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        shown->cmdEsporta->click();
    });
    shown.reset();
    Bench::report(QStringLiteral("export command: file of %1 MB").arg(QFileInfo(xls).size() / 1e6, 0, 'f', 0), write,
                  read);

    const double whole = Bench::timeMs([] {
        std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
        w->show();
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        w->cmdEsporta->click();
    });
    Bench::report(QStringLiteral("window opened to file written"), whole, read);

    Messages::resetTestState();
    Messages::setTestMode(false);
    TMisc::setTestMode(false);
    ProgramFolder::clearOverride();
}
