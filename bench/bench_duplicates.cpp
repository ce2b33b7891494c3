// The "Doppioni" scan over a 100,000-card archive (about 360 MB), beside a
// plain sequential read of the same file in the same run.
#include "Bench.h"

#include "base/core/ProgramFolder.h"
#include "candidates/core/Duplicates.h"
#include "candidates/core/SchedaCandidato.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// n cards with varied names and dates; about one card in a hundred repeats an
// earlier person, half by fiscal code and half by name and birth date typed
// with other capitals or without accents.
bool writeArchive(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList surnames {"Rossi",  "Bianchi",  "Verdi", "Esposito", "Romano",  "Colombo", "Ricci",
                                "Marino", "Greco",    "Bruno", "Gallo",    "Conti",   "De Luca", "Mancini",
                                "Costa",  "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri"};
    const QStringList names {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Elena", "Nicolò", "Chiara"};
    for (int i = 0; i < n; ++i) {
        int person = i;
        if (i % 100 == 99)
            person = i - 50;
        TSchedaCandidato s;
        s.Candidato =
            QStringLiteral("%1 %2 %3").arg(surnames.at(person % 20), names.at((person / 20) % 10)).arg(person);
        if (i % 200 == 99)
            s.Candidato = s.Candidato.toUpper();
        s.Sesso = (person % 2) ? QStringLiteral("F") : QStringLiteral("M");
        s.DataNasc = QStringLiteral("%1/%2/19%3")
                         .arg(1 + person % 28, 2, 10, QLatin1Char('0'))
                         .arg(1 + person % 12, 2, 10, QLatin1Char('0'))
                         .arg(60 + person % 40);
        s.LuogoNasc = QStringLiteral("Roma (RM)");
        s.CodFisc = QStringLiteral("RSSMRA%1A01H%2U")
                        .arg(person % 100, 2, 10, QLatin1Char('0'))
                        .arg(person / 100, 3, 10, QLatin1Char('0'));
        if (i % 200 == 199)
            s.CodFisc.clear();
        s.Esperienze = QStringLiteral("Tre anni presso un'azienda del settore, poi due anni come responsabile.");
        s.Note = QStringLiteral("Colloquio conoscitivo del %1").arg(i % 365);
        const QByteArray bytes = s.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

} // namespace

SELVORA_BENCHMARK("duplicates: Doppioni scan over 100,000 cards")
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

    QList<Duplicates::Group> groups;
    const double scan = Bench::timeMs([&] { Duplicates::scan(archive, &groups); }, 3);
    Bench::report(QStringLiteral("Doppioni scan (%1 groups)").arg(groups.size()), scan, read);

    // The same plain read after the scan: the page cache of a busy machine
    // can make the first figures uneven.
    const double readAgain = Bench::timeMs([&] { Bench::plainRead(archive); }, 3);
    Bench::report(QStringLiteral("plain read again, after the scan"), readAgain);
    Bench::report(QStringLiteral("Doppioni scan against the better read"), scan, std::min(read, readAgain));
    Bench::addFigure({QStringLiteral("duplicates.scan.100k"), QStringLiteral("Doppioni scan of the archive"), scan,
                      QStringLiteral("plain read of the archive"), std::min(read, readAgain)});

    QList<Duplicates::Card> found;
    const double one = Bench::timeMs(
        [&] {
            Duplicates::matches(archive, QStringLiteral("Rossi Mario 0"), QStringLiteral("01/01/1960"), QString(),
                                &found);
        },
        3);
    Bench::report(QStringLiteral("matches of one new card on store (%1 found)").arg(found.size()), one, read);
    Bench::addFigure({QStringLiteral("duplicates.onecard.100k"), QStringLiteral("duplicate check of one card on store"),
                      one, QStringLiteral("plain read of the archive"), std::min(read, readAgain)});

    ProgramFolder::clearOverride();
}
