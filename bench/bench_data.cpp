// The data every figure reuses: candidate archives and session files written
// once per run into the run's temporary folder, and generated list lines.
#include "Bench.h"

#include "candidates/core/SchedaCandidato.h"
#include "rankings/core/Rankings.h"
#include "sessions/core/SchedaColloquio.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const QStringList& surnames()
{
    static const QStringList list {"Rossi",  "Bianchi",  "Verdi", "Esposito", "Romano",  "Colombo", "Ricci",
                                   "Marino", "Greco",    "Bruno", "Gallo",    "Conti",   "De Luca", "Mancini",
                                   "Costa",  "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri"};
    return list;
}

const QStringList& names()
{
    static const QStringList list {"Mario", "Anna",  "Luca",  "Giulia", "Marco",
                                   "Sara",  "Paolo", "Elena", "Nicolò", "Chiara"};
    return list;
}

const QStringList& towns()
{
    static const QStringList list {"Roma",    "Milano",  "Napoli",  "Torino",  "Palermo", "Genova", "Bologna",
                                   "Firenze", "Forlì",   "Bari",    "Catania", "Venezia", "Verona", "Messina",
                                   "Padova",  "Trieste", "Brescia", "Parma",   "Prato",   "Modena"};
    return list;
}

// Writes the records made by card(i) for i < n in 4 MB blocks.
template <typename Card>
bool writeRecords(const QString& path, int n, Card card)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        block += card(i);
        if (block.size() >= 4 * 1024 * 1024 || i == n - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.flush();
}

QByteArray candidateCard(int i)
{
    static const QStringList sectors {
        "Informatica", "Amministrazione & contabilità", "Logistica", "Commercio", "Sanità", "Edilizia", "Turismo"};
    TSchedaCandidato s;
    s.Candidato = QStringLiteral("%1 %2 %3").arg(surnames().at(i % 20), names().at((i / 20) % 10)).arg(i);
    s.Sesso = (i % 2) ? QStringLiteral("F") : QStringLiteral("M");
    s.DataNasc = QStringLiteral("%1/%2/19%3")
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                     .arg(60 + i % 40);
    s.Cittadinanza = QStringLiteral("Italiana");
    s.LuogoNasc = towns().at((i / 7) % 20);
    s.Indirizzo = QStringLiteral("Via Giuseppe Garibaldi %1").arg(i % 300);
    s.Citta = towns().at((i / 3) % 20);
    s.Cap = QStringLiteral("00%1").arg(100 + i % 900);
    s.Settore = sectors.at(i % 7);
    s.CodFisc = QStringLiteral("RSSMRA80A01H%1U").arg(i % 1000, 3, 10, QLatin1Char('0'));
    s.PartitaIva = QStringLiteral("0123456789%1").arg(i % 10);
    s.Patente = QStringLiteral("B");
    s.Studio = QStringLiteral("Laurea magistrale in Economia aziendale");
    s.Lingue = QStringLiteral("Inglese buono, francese scolastico");
    s.Email = QStringLiteral("candidato%1@example.com").arg(i);
    s.Tel = QStringLiteral("075 %1").arg(100000 + i);
    s.Cel = QStringLiteral("333%1").arg(i, 7, 10, QLatin1Char('0'));
    s.Documento = QStringLiteral("Carta d'identità AX%1").arg(i);
    s.EnteRil = QStringLiteral("Comune");
    s.InizioTes = QStringLiteral("01/01/2020");
    s.FineTes = QStringLiteral("01/01/2030");
    s.Esperienze = QStringLiteral("Tre anni presso un'azienda del settore <contabilità>, poi due anni come "
                                  "responsabile di reparto.");
    s.Competenze = QStringLiteral("Office, posta elettronica, gestionali");
    s.Disponibilita = QStringLiteral("Tempo pieno, turni");
    s.Note = QStringLiteral("Colloquio conoscitivo del %1").arg(i % 365);
    s.Ricontatta = TSchedaCandidato::flag(i % 10 == 0);
    return s.encode();
}

QByteArray sessionCard(int i)
{
    TSchedaColloquio rec;
    rec.Candidato = QStringLiteral("%1 %2 %3").arg(surnames().at(i % 20), names().at((i / 20) % 10)).arg(i);
    rec.CodiceFiscale = QStringLiteral("RSSMRA80A01H%1U").arg(i % 1000, 3, 10, QLatin1Char('0'));
    rec.Provenienza = towns().at((i / 3) % 20);
    rec.DataColloquio = QStringLiteral("01/02/2024");
    rec.Dettagli = QStringLiteral("Colloquio svolto regolarmente.\r\nEsperienza nel settore.");
    if (i % 10 == 9)
        rec.Punteggio = QString();
    else if (i % 17 == 0)
        rec.Punteggio = QString::number(i % 31);
    else
        rec.Punteggio = QStringLiteral("%1,%2").arg((i * 7919) % 31).arg((i * 13) % 100, 2, 10, QLatin1Char('0'));
    rec.Note = QStringLiteral("Nota del candidato %1").arg(i);
    rec.Idoneo = (i % 4 == 0) ? QStringLiteral("No") : QStringLiteral("Sì");
    return rec.encode();
}

void fail(const QString& what)
{
    std::fprintf(stderr, "cannot write %s\n", qPrintable(what));
    std::exit(1);
}

} // namespace

namespace Bench {

QString workFolder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        dir.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/selvora_bench-XXXXXX")));
        if (!dir->isValid())
            fail(QStringLiteral("the temporary folder"));
    }
    return dir->path();
}

QString candidateFolder(int cards)
{
    static QHash<int, QString> made;
    if (made.contains(cards))
        return made.value(cards);
    const QString folder = workFolder() + QStringLiteral("/candidati_") + thousands(cards);
    QDir().mkpath(folder);
    if (!writeRecords(folder + QLatin1Char('/') + CandidateArchive::fileName(), cards, candidateCard))
        fail(folder);
    made.insert(cards, folder);
    return folder;
}

QString sessionFile(int cards)
{
    static QHash<int, QString> made;
    if (made.contains(cards))
        return made.value(cards);
    const QString path = workFolder() + QStringLiteral("/Sessione ") + thousands(cards) + QStringLiteral(".vai");
    if (!writeRecords(path, cards, sessionCard))
        fail(path);
    made.insert(cards, path);
    return path;
}

QStringList summaryLines(int n)
{
    // Names in a scattered order, lower-case and accented ones among them,
    // and one line in fifty equal to the one before it.
    static const QStringList extra {"àlvaro", "Èrica", "d'Angelo", "Öztürk", "zanetti"};
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (i % 50 == 49) {
            lines.append(lines.last());
            continue;
        }
        const int k = int((qint64(i) * 7919) % n);
        RankingRow row;
        const QString surname = (k % 13 == 0) ? extra.at(k % 5) : surnames().at(k % 20);
        row.candidato = QStringLiteral("%1 %2 %3").arg(surname, names().at((k / 20) % 10)).arg(k);
        row.codiceFiscale = QStringLiteral("RSSMRA80A01H%1U").arg(k % 1000, 3, 10, QLatin1Char('0'));
        row.note = QStringLiteral("Nota del candidato %1").arg(k);
        row.punteggio = QStringLiteral("%1,%2").arg(k % 31).arg(k % 100, 2, 10, QLatin1Char('0'));
        lines.append(Rankings::alphaLine(row));
    }
    return lines;
}

} // namespace Bench
