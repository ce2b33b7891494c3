// The candidate search over a 100,000-card archive (about 360 MB): from the
// click on "Cerca" to the filled and laid-out result list, with two active
// filters, beside a plain sequential read of the same file in the same run.
#include "Bench.h"

#include "app/core/ProgramFolder.h"
#include "candidates/core/CandidateSearch.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/DaRicontattare.h"
#include "candidates/ui/TrovaCandidati.h"
#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// An archive of n cards with varied names, towns, sectors and notes; one
// card in ten is flagged for recontact.
bool writeArchive(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList surnames {"Rossi",  "Bianchi",  "Verdi", "Esposito", "Romano",  "Colombo", "Ricci",
                                "Marino", "Greco",    "Bruno", "Gallo",    "Conti",   "De Luca", "Mancini",
                                "Costa",  "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri"};
    const QStringList names {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Elena", "Nicolò", "Chiara"};
    const QStringList towns {"Roma",    "Milano",  "Napoli",  "Torino",  "Palermo", "Genova", "Bologna",
                             "Firenze", "Forlì",   "Bari",    "Catania", "Venezia", "Verona", "Messina",
                             "Padova",  "Trieste", "Brescia", "Parma",   "Prato",   "Modena"};
    const QStringList sectors {"Informatica", "Amministrazione", "Logistica", "Commercio",
                               "Sanità",      "Edilizia",        "Turismo"};
    for (int i = 0; i < n; ++i) {
        TSchedaCandidato s;
        s.Candidato = QStringLiteral("%1 %2 %3").arg(surnames.at(i % 20), names.at((i / 20) % 10)).arg(i);
        s.Sesso = (i % 2) ? QStringLiteral("F") : QStringLiteral("M");
        s.DataNasc = QStringLiteral("%1/%2/19%3")
                         .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                         .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                         .arg(60 + i % 40);
        s.Cittadinanza = QStringLiteral("Italiana");
        s.LuogoNasc = towns.at((i / 7) % 20);
        s.Indirizzo = QStringLiteral("Via Garibaldi %1").arg(i % 300);
        s.Citta = towns.at((i / 3) % 20);
        s.Cap = QStringLiteral("00%1").arg(100 + i % 900);
        s.Settore = sectors.at(i % 7);
        s.CodFisc = QStringLiteral("RSSMRA80A01H%1U").arg(i % 1000, 3, 10, QLatin1Char('0'));
        s.Lingue = QStringLiteral("Inglese buono, francese scolastico");
        s.Email = QStringLiteral("candidato%1@example.com").arg(i);
        s.Cel = QStringLiteral("333%1").arg(i, 7, 10, QLatin1Char('0'));
        s.Documento = QStringLiteral("Carta d'identità AX%1").arg(i);
        s.EnteRil = QStringLiteral("Comune");
        s.Esperienze =
            QStringLiteral("Tre anni presso un'azienda del settore, poi due anni come responsabile di reparto.");
        s.Competenze = QStringLiteral("Office, posta elettronica, gestionali");
        s.Disponibilita = QStringLiteral("Tempo pieno, turni");
        s.Note = QStringLiteral("Colloquio conoscitivo del %1").arg(i % 365);
        s.Ricontatta = TSchedaCandidato::flag(i % 10 == 0);
        const QByteArray bytes = s.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

// One search as the user runs it: the filters typed, a click on "Cerca",
// the list filled and laid out on screen.
int searchOnce(const QString& name, const QString& town)
{
    TfrmTrovaCandidati window;
    window.lblMemory->setText(QStringLiteral("candidati"));
    window.show();
    QApplication::processEvents();
    window.txtCandidato->setText(name);
    window.txtLuogoNasc->setText(town);
    window.btnCerca->click();
    window.lstRecords->doItemsLayout();
    QApplication::processEvents();
    return window.lstRecords->count();
}

} // namespace

SELVORA_BENCHMARK("search: candidate search with two filters over 100,000 cards")
{
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const QString archive = CandidateArchive::path();
    if (!writeArchive(archive, 100000)) {
        std::printf("  cannot write the archive\n");
        return;
    }
    const double mb = QFile(archive).size() / 1e6;

    const double read = Bench::timeMs([&] { Bench::plainRead(archive); }, 3);
    Bench::report(QStringLiteral("plain read, 100,000 cards (%1 MB)").arg(mb, 0, 'f', 1), read);

    int found = 0;
    const double narrow = Bench::timeMs([&] { found = searchOnce(QStringLiteral("ROSSI"), QStringLiteral("roma")); });
    Bench::report(QStringLiteral("click to list: name + birthplace (%1 cards)").arg(found), narrow, read);

    const double wide = Bench::timeMs([&] { found = searchOnce(QStringLiteral("i"), QStringLiteral("a")); });
    Bench::report(QStringLiteral("click to list: two loose filters (%1 cards)").arg(found), wide, read);

    const double none = Bench::timeMs([&] { found = searchOnce(QString(), QString()); });
    Bench::report(QStringLiteral("click to list: no filter (%1 cards)").arg(found), none, read);

    const double flagged = Bench::timeMs([&] {
        TfrmDaRicontattare window;
        window.show();
        window.lstRecords->doItemsLayout();
        QApplication::processEvents();
        found = window.lstRecords->count();
    });
    Bench::report(QStringLiteral("recontact summary shown (%1 cards)").arg(found), flagged, read);

    ProgramFolder::clearOverride();
}
