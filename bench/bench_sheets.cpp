// The .xlsx and .csv exports of a 100,000-card archive, and the import of a
// 100,000-row .csv file into an empty archive, each beside a plain read and
// write of the same bytes in the same run.
#include "Bench.h"

#include "base/core/ProgramFolder.h"
#include "base/platform/Messages.h"
#include "base/platform/OpenURL.h"
#include "candidates/core/CandidateImport.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/ExpCandidati.h"
#include "shared/ui/PictureButton.h"
#include "sheets/core/CsvReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// n cards with most fields filled, different fiscal codes and names, so that
// the import finds no duplicates.
bool writeArchive(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        TSchedaCandidato c;
        c.Candidato = QStringLiteral("Rossi Niccolò %1").arg(i);
        c.Sesso = QStringLiteral("M");
        c.DataNasc = QStringLiteral("%1/05/1980").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        c.Cittadinanza = QStringLiteral("Italiana");
        c.LuogoNasc = QStringLiteral("Città di Castello");
        c.Indirizzo = QStringLiteral("Via Giuseppe Garibaldi %1; scala \"B\"").arg(i % 200);
        c.Citta = QStringLiteral("Perugia");
        c.Cap = QStringLiteral("06100");
        c.Settore = QStringLiteral("Amministrazione & contabilità");
        c.CodFisc = QStringLiteral("X%1").arg(i, 15, 10, QLatin1Char('0'));
        c.PartitaIva = QStringLiteral("01234567890");
        c.Patente = QStringLiteral("B");
        c.Studio = QStringLiteral("Laurea magistrale in Economia aziendale");
        c.Lingue = QStringLiteral("Inglese (ottimo), Francese (buono), Tedesco (scolastico)");
        c.Email = QStringLiteral("candidato%1@example.it").arg(i);
        c.Tel = QStringLiteral("+39 075 %1").arg(100000 + i);
        c.Cel = QStringLiteral("333 %1").arg(1000000 + i);
        c.Documento = QStringLiteral("Carta di identità AB%1").arg(100000 + i);
        c.EnteRil = QStringLiteral("Comune di Perugia");
        c.InizioTes = QStringLiteral("01/01/2020");
        c.FineTes = QStringLiteral("01/01/2030");
        c.Esperienze = QStringLiteral("Impiegato amministrativo presso studio commerciale, contabilità e paghe");
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

// Reads a file in 4 MB blocks and writes bytes of zeros to another in 4 MB
// blocks: the least any reading and writing of those sizes costs.
void plainReadWrite(const QString& from, qint64 bytes, const QString& to)
{
    Bench::plainRead(from);
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QByteArray block(4 * 1024 * 1024, '\0');
    for (qint64 left = bytes; left > 0; left -= block.size())
        out.write(block.constData(), qMin<qint64>(left, block.size()));
    out.flush();
}

double megabytes(const QString& path)
{
    return QFileInfo(path).size() / 1e6;
}

} // namespace

SELVORA_BENCHMARK("sheets: 100,000 cards to .xlsx and .csv, and a 100,000-row .csv imported")
{
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const QString archive = CandidateArchive::path();
    if (!writeArchive(archive, 100000)) {
        std::printf("  cannot write the archive\n");
        ProgramFolder::clearOverride();
        return;
    }
    Messages::setTestMode(true);
    TMisc::setTestMode(true);

    std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
    w->show(); // fills the grid once; the commands below write from it
    const QString xlsx = w->xlsxPath();
    const QString csv = w->csvPath();

    const double toXlsx = Bench::timeMs([&] {
        Messages::queueAnswer(Messages::Answer::No);
        w->cmdEsportaXlsx->click();
    });
    const QString scratch = dir.filePath(QStringLiteral("scratch.bin"));
    const double xlsxPlain = Bench::timeMs([&] { plainReadWrite(archive, QFileInfo(xlsx).size(), scratch); });
    Bench::report(QStringLiteral("plain read of the archive (%1 MB) + write of %2 MB")
                      .arg(megabytes(archive), 0, 'f', 0)
                      .arg(megabytes(xlsx), 0, 'f', 1),
                  xlsxPlain);
    Bench::report(QStringLiteral("export to .xlsx (%1 MB)").arg(megabytes(xlsx), 0, 'f', 1), toXlsx, xlsxPlain);
    Bench::addFigure({QStringLiteral("export.xlsx.100k"), QStringLiteral("archive exported to .xlsx"), toXlsx,
                      QStringLiteral("plain read of the archive + write of as many bytes"), xlsxPlain});

    const double toCsv = Bench::timeMs([&] {
        Messages::queueAnswer(Messages::Answer::No);
        w->cmdEsportaCsv->click();
    });
    const double csvPlain = Bench::timeMs([&] { plainReadWrite(archive, QFileInfo(csv).size(), scratch); });
    Bench::report(QStringLiteral("plain read of the archive (%1 MB) + write of %2 MB")
                      .arg(megabytes(archive), 0, 'f', 0)
                      .arg(megabytes(csv), 0, 'f', 1),
                  csvPlain);
    Bench::report(QStringLiteral("export to .csv (%1 MB)").arg(megabytes(csv), 0, 'f', 1), toCsv, csvPlain);
    Bench::addFigure({QStringLiteral("export.csv.100k"), QStringLiteral("archive exported to .csv"), toCsv,
                      QStringLiteral("plain read of the archive + write of as many bytes"), csvPlain});
    w.reset();

    // The import: the .csv just written, into an empty archive in another
    // folder, read, matched, checked and stored.
    QTemporaryDir target;
    const QString imported = target.filePath(CandidateArchive::fileName());
    int added = 0;
    const double import = Bench::timeMs([&] {
        QFile::remove(imported);
        SheetTable table;
        QString error;
        if (!CsvReader::read(csv, &table, &error))
            return;
        CandidateImport::ArchiveKeys keys;
        CandidateImport::readArchiveKeys(imported, &keys, &error);
        CandidateImport::Options options;
        options.fromCsv = true;
        const QVector<int> mapping = CandidateImport::mapHeadings(table.row(0));
        const CandidateImport::Preview preview = CandidateImport::preview(table, mapping, options, keys);
        added = CandidateImport::store(imported, table, mapping, options, preview, true).added;
    });
    const double importPlain =
        Bench::timeMs([&] { plainReadWrite(csv, QFileInfo(imported).size(), target.filePath("scratch.bin")); });
    Bench::report(QStringLiteral("plain read of the .csv (%1 MB) + write of %2 MB")
                      .arg(megabytes(csv), 0, 'f', 1)
                      .arg(megabytes(imported), 0, 'f', 0),
                  importPlain);
    Bench::report(QStringLiteral("import of the .csv: %1 cards added").arg(added), import, importPlain);
    Bench::addFigure({QStringLiteral("import.csv.100k"),
                      QStringLiteral("100,000-row .csv imported into an empty archive"), import,
                      QStringLiteral("plain read of the .csv + write of the archive's bytes"), importPlain});

    Messages::resetTestState();
    Messages::setTestMode(false);
    TMisc::setTestMode(false);
    ProgramFolder::clearOverride();
}
