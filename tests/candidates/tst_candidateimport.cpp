// Importing candidates from a spreadsheet: headings matched to fields, the
// verdict of every kind of row, duplicates, the one-pass store that leaves
// the archive as it was when it fails, and the round trip through the .csv
// and .xlsx exports that gives back the same cards byte for byte.
#include "base/core/RecordFile.h"
#include "base/core/TailRepair.h"
#include "candidates/core/CandidateImport.h"
#include "candidates/core/Duplicates.h"
#include "candidates/ui/ExpCandidati.h"
#include "sheets/core/CsvReader.h"
#include "sheets/core/XlsxReader.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QToolButton>

using namespace CandidateImport;
using C = TSchedaCandidato;

namespace {

// A fiscal code that passes its check, from its first fifteen characters.
QString fiscal(const QString& first15)
{
    return first15 + FiscalCodeCheckLetter::carattereDiControllo(first15);
}

SheetTable csv(const QByteArray& bytes)
{
    SheetTable table;
    QString error;
    if (!CsvReader::parse(bytes, &table, &error))
        qWarning("%s", qPrintable(error));
    return table;
}

Preview previewOf(const SheetTable& table, const ArchiveKeys& archive = ArchiveKeys())
{
    Options options;
    options.fromCsv = true;
    return preview(table, mapHeadings(table.row(0)), options, archive);
}

C card(const QString& name, const QString& sex, const QString& birth, const QString& code)
{
    C c;
    c.Candidato = name;
    c.Sesso = sex;
    c.DataNasc = birth;
    c.CodFisc = code;
    c.Ricontatta = C::no();
    return c;
}

// The cards of the round trip: every field used, values that need quotes,
// guards, leading zeros, accents, the euro sign and a full-width note.
QList<C> roundTripCards()
{
    C a = card(QStringLiteral("Bianchi Anna"), QStringLiteral("F"), QStringLiteral("01/02/1990"),
               fiscal(QStringLiteral("BNCNNA90B41L219")));
    a.Cittadinanza = QStringLiteral("Italiana");
    a.LuogoNasc = QStringLiteral("Torino");
    a.Indirizzo = QStringLiteral("Via Roma 1; scala \"B\"");
    a.Citta = QStringLiteral("Forlì");
    a.Cap = QStringLiteral("00184");
    a.Settore = QStringLiteral("Amministrazione");
    a.PartitaIva = QStringLiteral("01234567890");
    a.Patente = QStringLiteral("B");
    a.Studio = QStringLiteral("Laurea in Economia");
    a.Lingue = QStringLiteral("Inglese, Francese");
    a.Email = QStringLiteral("anna.bianchi@example.it");
    a.Tel = QStringLiteral("+39 011 123456");
    a.Cel = QStringLiteral("-333 1234567");
    a.Documento = QStringLiteral("Carta d'identità AB123456");
    a.EnteRil = QStringLiteral("@Comune di Torino");
    a.InizioTes = QStringLiteral("01/01/2020");
    a.FineTes = QStringLiteral("01/01/2030");
    a.Esperienze = QStringLiteral("=SOMMA(A1:A3) non è una formula");
    a.Competenze = QStringLiteral("Office & gestionali <senior>");
    a.Disponibilita = QStringLiteral("Lunedì-venerdì, 80 €");
    a.Note = QString(250, QLatin1Char('n'));
    a.Ricontatta = C::si();
    C b = card(QStringLiteral("Verdi Luïs"), QStringLiteral("M"), QStringLiteral("15/07/1985"),
               fiscal(QStringLiteral("VRDLSU85L15H501")));
    b.Note = QStringLiteral("'=già protetto");
    C c = card(QStringLiteral("D'Angelo Niccolò"), QStringLiteral("M"), QString(),
               fiscal(QStringLiteral("DNGNCL70A01F205")));
    c.Note = QStringLiteral("riga 1\r\nriga 2");
    return {a, b, c};
}

QByteArray archiveOf(const QList<C>& cards)
{
    QByteArray bytes;
    for (const C& c : cards)
        bytes += c.encode();
    return bytes;
}

} // namespace

class TestCandidateImport : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void headings_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("target");
        // The export's own headings.
        QTest::newRow("export name") << "Cognome e nome"
                                     << "Cognome e nome";
        QTest::newRow("export city") << "Città"
                                     << "Città";
        QTest::newRow("export issuer") << "Ente rilascio"
                                       << "Ente di rilascio";
        QTest::newRow("export availability") << "Disponibilità"
                                             << "Disponibilità";
        QTest::newRow("export home phone") << "Tel. casa"
                                           << "Tel. casa";
        QTest::newRow("export flag") << "Da ricontattare"
                                     << "Da ricontattare";
        QTest::newRow("session name") << "Candidato"
                                      << "Cognome e nome";
        // Common variants.
        QTest::newRow("surname") << "Cognome"
                                 << "Cognome";
        QTest::newRow("given name") << "NOME"
                                    << "Nome";
        QTest::newRow("fiscal code") << "Codice Fiscale"
                                     << "Codice fiscale";
        QTest::newRow("cf") << "C.F."
                            << "Codice fiscale";
        QTest::newRow("email") << "E-mail"
                               << "E-mail";
        QTest::newRow("email plain") << "Email"
                                     << "E-mail";
        QTest::newRow("mobile") << "Cellulare"
                                << "Tel. cellulare";
        QTest::newRow("vat") << "P. IVA"
                             << "Partita IVA";
        QTest::newRow("birth") << "Data di nascita"
                               << "Data nascita";
        QTest::newRow("postcode spaced") << "  cap "
                                         << "CAP";
        QTest::newRow("city without accent") << "Citta"
                                             << "Città";
        // The usual Italian spellings of office spreadsheets.
        QTest::newRow("born on, woman") << "Nata il"
                                        << "Data nascita";
        QTest::newRow("born on, man") << "Nato il"
                                      << "Data nascita";
        QTest::newRow("born on, both") << "Nato/a il"
                                       << "Data nascita";
        QTest::newRow("birth date short") << "Data nascita"
                                          << "Data nascita";
        QTest::newRow("born in") << "Nata a"
                                 << "Luogo nascita";
        QTest::newRow("birthplace") << "Luogo di nascita"
                                    << "Luogo nascita";
        QTest::newRow("birth municipality") << "Comune di nascita"
                                            << "Luogo nascita";
        QTest::newRow("mobile number") << "N. cellulare"
                                       << "Tel. cellulare";
        QTest::newRow("phone") << "Telefono"
                               << "Tel. casa";
        QTest::newRow("phone contact") << "Recapito telefonico"
                                       << "Tel. casa";
        QTest::newRow("email address") << "Indirizzo e-mail"
                                       << "E-mail";
        QTest::newRow("certified email") << "PEC"
                                         << "E-mail";
        QTest::newRow("cf abbreviated") << "Cod. fiscale"
                                        << "Codice fiscale";
        QTest::newRow("cf shorter") << "Cod. Fisc."
                                    << "Codice fiscale";
        QTest::newRow("vat dotted") << "Partita I.V.A."
                                    << "Partita IVA";
        QTest::newRow("sex letters") << "Sesso (M/F)"
                                     << "Sesso";
        QTest::newRow("gender") << "Genere"
                                << "Sesso";
        QTest::newRow("residing in") << "Residente a"
                                     << "Città";
        QTest::newRow("identity document") << "Documento d'identità"
                                           << "Documento (tipo e numero)";
        QTest::newRow("issued on") << "Rilasciato il"
                                   << "Data rilascio";
        QTest::newRow("valid until") << "Valido fino al"
                                     << "Data scadenza";
        QTest::newRow("foreign languages") << "Lingue straniere"
                                           << "Lingue conosciute";
        QTest::newRow("remarks") << "Osservazioni"
                                 << "Note";
        QTest::newRow("unknown") << "Colore preferito"
                                 << "(non importare)";
        QTest::newRow("empty") << ""
                               << "(non importare)";
    }
    void headings()
    {
        QFETCH(QString, heading);
        QFETCH(QString, target);
        QCOMPARE(targetLabel(targetForHeading(heading)), target);
    }

    void aFieldIsMatchedOnce()
    {
        const QVector<int> m = mapHeadings({"Cellulare", "Tel. cellulare", "Nome", "Cognome", "Altro"});
        QCOMPARE(m, (QVector<int> {C::fCel, Ignore, GivenName, Surname, Ignore}));
    }

    // A column that looks like a field but fills none is named in the
    // preview; one that matches nothing, or that is imported, is not.
    void lookalikeColumnsAreWarned()
    {
        const QStringList headings {"Cognome e nome",   "Data di nascita (gg/mm/aaaa)",
                                    "Telefono",         "Telefono 2",
                                    "Colore preferito", "Codice fiscale",
                                    "Codice fiscale",   ""};
        const QVector<int> m = mapHeadings(headings);
        QCOMPARE(m, (QVector<int> {C::fCandidato, Ignore, C::fTel, Ignore, Ignore, C::fCodFisc, Ignore, Ignore}));
        const QStringList warnings = columnWarnings(headings, m);
        QCOMPARE(
            warnings,
            (QStringList {"La colonna «Data di nascita (gg/mm/aaaa)» sembra «Data nascita» ma non viene importata: "
                          "se va importata, sceglierne il campo nella tabella delle colonne.",
                          "La colonna «Telefono 2» sembra «Tel. casa», già presa dalla colonna «Telefono»: non "
                          "viene importata.",
                          "La colonna «Codice fiscale» sembra «Codice fiscale», già presa dalla colonna «Codice "
                          "fiscale»: non viene importata."}));
        // The preview carries them; choosing a field for the column ends its warning.
        const SheetTable table =
            csv((headings.join(QLatin1Char(';')) + QStringLiteral("\r\nRossi Mario\r\n")).toUtf8());
        Options options;
        options.fromCsv = true;
        QCOMPARE(preview(table, m, options, ArchiveKeys()).columns, warnings);
        QVector<int> chosen = m;
        chosen[1] = C::fDataNasc;
        QCOMPARE(preview(table, chosen, options, ArchiveKeys()).columns.size(), 2);
    }

    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("name");
        const QByteArray cf = fiscal(QStringLiteral("RSSMRA80A01H501")).toUtf8();
        QTest::newRow("ready") << "Rossi;Mario;" + cf + ";mario@example.it;;;;" << int(Verdict::Ready) << ""
                               << "Rossi Mario";
        QTest::newRow("surname only, no sex") << QByteArray("Rossi;;;;;;;") << int(Verdict::Ready) << ""
                                              << "Rossi";
        QTest::newRow("no name") << QByteArray(";;" + cf + ";x@y;;;;") << int(Verdict::Refused)
                                 << "manca il cognome e nome del candidato"
                                 << "";
        QTest::newRow("fiscal code fails its check")
            << QByteArray("Rossi;Mario;RSSMRA80A01H501A;;M;;;") << int(Verdict::Warning)
            << "il codice fiscale «RSSMRA80A01H501A» non supera il controllo"
            << "Rossi Mario";
        QTest::newRow("e-mail without at") << "Rossi;Mario;" + cf + ";mario.example.it;;;;" << int(Verdict::Warning)
                                           << "l'indirizzo e-mail «mario.example.it» non contiene «@»"
                                           << "Rossi Mario";
        QTest::newRow("text cut") << "Rossi;Mario;" + cf + ";;;" + QByteArray(300, 'x') + ";;" << int(Verdict::Warning)
                                  << "Note: testo di 300 caratteri tagliato a 250"
                                  << "Rossi Mario";
        QTest::newRow("code page") << QByteArray("W\xC5\x82odek;Pawe\xC5\x82;;;M;;;") << int(Verdict::Warning)
                                   << "Cognome e nome: caratteri che l'archivio non può contenere, sarà registrato "
                                      "come «W?odek Pawe?»"
                                   << QString::fromUtf8("W\xC5\x82odek Pawe\xC5\x82");
        QTest::newRow("serial date") << "Rossi;Mario;" + cf + ";;;;32874;" << int(Verdict::Warning)
                                     << "Data nascita: il numero «32874» è stato letto come la data 01/01/1990"
                                     << "Rossi Mario";
        QTest::newRow("formula") << "Rossi;Mario;" + cf + ";;;=SOMMA(1;2);;" << int(Verdict::Warning)
                                 << "Note: il valore sembra una formula, importato come testo"
                                 << "Rossi Mario";
        QTest::newRow("guarded formula") << "Rossi;Mario;" + cf + ";;;'=SOMMA(1);;" << int(Verdict::Ready) << ""
                                         << "Rossi Mario";
        QTest::newRow("more cells") << "Rossi;Mario;" + cf + ";;;;;;avanzo" << int(Verdict::Warning)
                                    << "la riga ha più celle dell'intestazione (9 invece di 8): quelle in più sono "
                                       "ignorate"
                                    << "Rossi Mario";
        QTest::newRow("empty extra cells are fine") << "Rossi;Mario;" + cf + ";;;;;;;" << int(Verdict::Ready) << ""
                                                    << "Rossi Mario";
        QTest::newRow("fewer cells") << "Rossi;Mario;" + cf << int(Verdict::Warning)
                                     << "la riga ha meno celle dell'intestazione (3 invece di 8): i campi mancanti "
                                        "restano vuoti"
                                     << "Rossi Mario";
        QTest::newRow("unknown flag") << "Rossi;Mario;" + cf + ";;;;;forse" << int(Verdict::Warning)
                                      << "Da ricontattare: valore «forse» non riconosciuto, registrato «No»"
                                      << "Rossi Mario";
    }
    void verdicts()
    {
        QFETCH(QByteArray, row);
        QFETCH(int, verdict);
        QFETCH(QString, reason);
        QFETCH(QString, name);
        const SheetTable table =
            csv("Cognome;Nome;Codice fiscale;E-mail;Sesso;Note;Data nascita;Da ricontattare\r\n" + row + "\r\n");
        const Preview p = previewOf(table);
        QCOMPARE(p.rows.size(), 1);
        QCOMPARE(int(p.rows.at(0).verdict), verdict);
        if (reason.isEmpty())
            QVERIFY2(p.rows.at(0).reasons.isEmpty(), qPrintable(p.rows.at(0).reasons.join(u'|')));
        else
            QVERIFY2(std::any_of(p.rows.at(0).reasons.cbegin(), p.rows.at(0).reasons.cend(),
                                 [&reason](const QString& r) { return r.startsWith(reason); }),
                     qPrintable(p.rows.at(0).reasons.join(u'|')));
        RowNotes notes;
        Options options;
        options.fromCsv = true;
        QCOMPARE(cardOf(table, mapHeadings(table.row(0)), 1, options, &notes).Candidato, name);
    }

    void valuesAsStored()
    {
        const SheetTable table = csv("Cognome;Nome;Codice fiscale;Da ricontattare;Sesso\r\n"
                                     "Bianchi;Anna;" +
                                     fiscal(QStringLiteral("BNCNNA90B41L219")).toLower().toUtf8() +
                                     ";x;\r\n"
                                     "Verdi;Luca;;NO;m\r\n");
        Options options;
        options.fromCsv = true;
        const QVector<int> m = mapHeadings(table.row(0));
        RowNotes notes;
        const C a = cardOf(table, m, 1, options, &notes);
        QCOMPARE(a.CodFisc, fiscal(QStringLiteral("BNCNNA90B41L219"))); // upper case, as typed in the card
        QCOMPARE(a.Ricontatta, C::si());
        QCOMPARE(a.Sesso, QStringLiteral("F")); // from the fiscal code: day 41
        const C b = cardOf(table, m, 2, options, &notes);
        QCOMPARE(b.Ricontatta, C::no());
        QCOMPARE(b.Sesso, QStringLiteral("M"));
    }

    void sexFromFiscalCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("sex");
        QTest::newRow("man") << fiscal(QStringLiteral("RSSMRA80A01H501")) << "M";
        QTest::newRow("woman") << fiscal(QStringLiteral("BNCNNA90B41L219")) << "F";
        QTest::newRow("namesake letters") << fiscal(QStringLiteral("BNCNNA90B4ML219")) << "F";
        QTest::newRow("failing check") << "RSSMRA80A01H501A"
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void sexFromFiscalCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, sex);
        QCOMPARE(CandidateImport::sexFromFiscalCode(code), sex);
    }

    void duplicates()
    {
        TempProgramFolder folder;
        const QString cf = fiscal(QStringLiteral("BNCNNA90B41L219"));
        folder.write(
            QStringLiteral("Archivio_Candidati.pro"),
            archiveOf({card(QStringLiteral("Bianchi Anna"), QStringLiteral("F"), QStringLiteral("01/02/1990"), cf)}));
        ArchiveKeys keys;
        QString error;
        QVERIFY(readArchiveKeys(CandidateArchive::path(), &keys, &error));
        QCOMPARE(keys.cards, 1);
        const QString other = fiscal(QStringLiteral("RSSMRA80A01H501"));
        const SheetTable table = csv(("Cognome e nome;Data nascita;Codice fiscale;Sesso\r\n"
                                      "Altro Nome;;" +
                                      cf.toLower() +
                                      ";F\r\n" // same code as the archive
                                      "BIANCHI ANNA ;01/02/1990;;F\r\n" // same name and birth date
                                      "Rossi Mario;01/01/1980;" +
                                      other +
                                      ";M\r\n"
                                      "Rossi Mario (bis);;" +
                                      other +
                                      ";M\r\n" // same code as row 4
                                      "Neri Carlo;02/02/1982;;M\r\n"
                                      "neri carlo;02/02/1982;;M\r\n" // same name and birth as row 6
                                      "Neri Carlo;;;M\r\n") // no birth date: not compared
                                         .toUtf8());
        const Preview p = previewOf(table, keys);
        QStringList verdicts;
        for (const RowNotes& n : p.rows)
            verdicts.append(verdictText(n.verdict));
        QCOMPARE(verdicts,
                 (QStringList {"Doppione", "Doppione", "Pronta", "Doppione", "Pronta", "Doppione", "Pronta"}));
        QCOMPARE(p.rows.at(0).reasons.first(), QStringLiteral("stesso codice fiscale di una scheda già in archivio"));
        QCOMPARE(p.rows.at(1).reasons.first(),
                 QStringLiteral("stesso cognome e nome e data di nascita di una scheda già in archivio"));
        QCOMPARE(p.rows.at(3).reasons.first(), QStringLiteral("stesso codice fiscale della riga 4"));
        QCOMPARE(p.rows.at(5).reasons.first(), QStringLiteral("stesso cognome e nome e data di nascita della riga 6"));
        QCOMPARE(p.duplicates, 4);
        QCOMPARE(p.ready, 3);
    }

    // The import takes a row for a card already there exactly when the
    // duplicate scan ("Doppioni") would put the two together: against the
    // archive and between rows of the file alike.
    void duplicatesAsTheDuplicateScan_data()
    {
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("date1");
        QTest::addColumn<QString>("name2");
        QTest::addColumn<QString>("date2");
        QTest::addColumn<bool>("same");
        QTest::newRow("accent") << "Rossi Nicolò"
                                << "01/02/1990"
                                << "Rossi Nicolo"
                                << "01/02/1990" << true;
        QTest::newRow("apostrophe and accent") << "D'Amico Lucía"
                                               << "01/02/1990"
                                               << "DAMICO LUCIA"
                                               << "01/02/1990" << false;
        QTest::newRow("apostrophe as a gap") << "D'Amico Lucía"
                                             << "01/02/1990"
                                             << "D Amico Lucia"
                                             << "01/02/1990" << true;
        QTest::newRow("date without leading zeros") << "Verdi Anna"
                                                    << "3/3/1993"
                                                    << "Verdi Anna"
                                                    << "03/03/1993" << true;
        QTest::newRow("date with dots") << "Verdi Anna"
                                        << "03.03.1993"
                                        << "verdi  anna"
                                        << "03/03/1993" << true;
        QTest::newRow("another day") << "Verdi Anna"
                                     << "3/3/1993"
                                     << "Verdi Anna"
                                     << "03/03/1994" << false;
    }
    void duplicatesAsTheDuplicateScan()
    {
        QFETCH(QString, name1);
        QFETCH(QString, date1);
        QFETCH(QString, name2);
        QFETCH(QString, date2);
        QFETCH(bool, same);
        TempProgramFolder folder;
        const C first = card(name1, QStringLiteral("F"), date1, QString());
        const C second = card(name2, QStringLiteral("F"), date2, QString());

        // What the duplicate scan finds in an archive holding both.
        folder.write(QStringLiteral("Archivio_Candidati.pro"), archiveOf({first, second}));
        QList<Duplicates::Group> groups;
        QVERIFY(Duplicates::scan(CandidateArchive::path(), &groups));
        QCOMPARE(groups.size(), same ? 1 : 0);

        // The second as a row of a file, the first in the archive.
        folder.write(QStringLiteral("Archivio_Candidati.pro"), archiveOf({first}));
        ArchiveKeys keys;
        QString error;
        QVERIFY(readArchiveKeys(CandidateArchive::path(), &keys, &error));
        const QByteArray row2 = (name2 + QLatin1Char(';') + date2 + QStringLiteral(";F\r\n")).toUtf8();
        const QByteArray row1 = (name1 + QLatin1Char(';') + date1 + QStringLiteral(";F\r\n")).toUtf8();
        const QByteArray heading = "Cognome e nome;Data nascita;Sesso\r\n";
        Preview p = previewOf(csv(heading + row2), keys);
        QCOMPARE(p.rows.at(0).verdict == Verdict::Duplicate, same);

        // Both as rows of a file, the archive empty.
        p = previewOf(csv(heading + row1 + row2));
        QCOMPARE(p.rows.at(0).verdict, Verdict::Ready);
        QCOMPARE(p.rows.at(1).verdict == Verdict::Duplicate, same);
    }

    void storeAppendsReadyRowsAndWarnedOnRequest_data()
    {
        QTest::addColumn<bool>("includeWarned");
        QTest::newRow("ready only") << false;
        QTest::newRow("warned too") << true;
    }
    void storeAppendsReadyRowsAndWarnedOnRequest()
    {
        QFETCH(bool, includeWarned);
        TempProgramFolder folder;
        const C old = card(QStringLiteral("Gialli Eva"), QStringLiteral("F"), QString(), QString());
        // A partial tail after the card is written over, as by the card window.
        folder.write(QStringLiteral("Archivio_Candidati.pro"), old.encode() + "tail");
        ArchiveKeys keys;
        QVERIFY(readArchiveKeys(CandidateArchive::path(), &keys, nullptr));
        const SheetTable table = csv("Cognome e nome;Sesso;E-mail\r\n"
                                     "Rossi Mario;M;m@x.it\r\n"
                                     ";M;\r\n"
                                     "Verdi Luca;M;senza-chiocciola\r\n"
                                     "Neri Carlo;M;\r\n");
        Options options;
        options.fromCsv = true;
        const QVector<int> m = mapHeadings(table.row(0));
        const Preview p = preview(table, m, options, keys);
        const Outcome o = store(CandidateArchive::path(), table, m, options, p, includeWarned);
        QVERIFY(o.ok);
        QCOMPARE(o.firstPosition, 2);
        QCOMPARE(o.added, includeWarned ? 3 : 2);
        RowNotes notes;
        QByteArray expected = old.encode() + cardOf(table, m, 1, options, &notes).encode();
        if (includeWarned)
            expected += cardOf(table, m, 3, options, &notes).encode();
        expected += cardOf(table, m, 4, options, &notes).encode();
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), expected);
        QCOMPARE(summary(o),
                 includeWarned ? QStringLiteral("Sono state aggiunte 3 schede all'archivio (posizioni da 2 "
                                                "a 4).\nRighe tralasciate: 1 (1 senza cognome e nome).")
                               : QStringLiteral("Sono state aggiunte 2 schede all'archivio (posizioni da 2 "
                                                "a 3).\nRighe tralasciate: 2 (1 senza cognome e nome, 1 "
                                                "con avvisi)."));
        const QString text = report(QStringLiteral("prova.csv"), table, m, options, p, o);
        QVERIFY(
            text.contains(QStringLiteral("riga 3, (senza nome) - Rifiutata: manca il cognome e nome del candidato")));
        QVERIFY(text.contains(QStringLiteral("riga 4, Verdi Luca - Avviso: l'indirizzo e-mail «senza-chiocciola» non "
                                             "contiene «@»")));
        QVERIFY(text.contains(QStringLiteral("  E-mail -> E-mail")));
    }

    // A failure midway (a full disk) leaves the archive exactly as it was,
    // partial tail included.
    void failureMidwayLeavesTheArchiveAsItWas_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<qint64>("budget");
        const QByteArray two = archiveOf({card(QStringLiteral("Uno"), QStringLiteral("M"), QString(), QString()),
                                          card(QStringLiteral("Due"), QStringLiteral("F"), QString(), QString())});
        QTest::newRow("empty archive, first block") << QByteArray() << qint64(1000);
        QTest::newRow("two cards, second block") << two << qint64(5 * 1024 * 1024);
        QTest::newRow("partial tail") << two + QByteArray("coda parziale") << qint64(6 * 1024 * 1024);
    }
    void failureMidwayLeavesTheArchiveAsItWas()
    {
        QFETCH(QByteArray, before);
        QFETCH(qint64, budget);
        TempProgramFolder folder;
        folder.write(QStringLiteral("Archivio_Candidati.pro"), before);
        QByteArray bytes = "Cognome e nome;Sesso\r\n";
        for (int i = 0; i < 3000; ++i)
            bytes += "Candidato " + QByteArray::number(i) + ";M\r\n";
        const SheetTable table = csv(bytes);
        Options options;
        options.fromCsv = true;
        const QVector<int> m = mapHeadings(table.row(0));
        const Preview p = preview(table, m, options, ArchiveKeys());
        QCOMPARE(p.ready, 3000);
        Outcome o;
        {
            FailingWrites full(budget);
            o = store(CandidateArchive::path(), table, m, options, p, false);
        }
        QVERIFY(!o.ok);
        QCOMPARE(o.added, 0);
        const QString note = folder.file(QStringLiteral("Archivio_Candidati.pro.aggiunta"));
        if (QFileInfo::exists(note)) {
            // The cards are written in order, so the first ones go over the
            // partial tail; a disk that stays full does not let it be written
            // back at once: the note of the append stays and the next start
            // puts it back.
            QCOMPARE(QFileInfo(folder.file(QStringLiteral("Archivio_Candidati.pro"))).size(), before.size());
            QVERIFY2(summary(o).startsWith(QStringLiteral("Attenzione: l'importazione non è riuscita: nessuna scheda "
                                                          "è stata aggiunta, ma non è stato possibile riportare "
                                                          "subito la fine dell'archivio com'era.")),
                     qPrintable(summary(o)));
            QCOMPARE(int(TailRepair::run(CandidateArchive::path(), C::Size).kind),
                     int(TailRepair::Result::Kind::InterruptedAppend));
        } else {
            QVERIFY(summary(o).startsWith(
                QStringLiteral("Attenzione: l'importazione non è riuscita e l'archivio è rimasto com'era")));
        }
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), before);
        QVERIFY(!QFileInfo::exists(note));
    }

    // A note of an import cut short (the repair at start could not run):
    // the import first puts the archive back, says so and adds nothing.
    void importAfterACrashRepairsFirst()
    {
        TempProgramFolder folder;
        const QByteArray before =
            archiveOf({card(QStringLiteral("Uno"), QStringLiteral("M"), QString(), QString())}) + "coda";
        const QByteArray torn = archiveOf({card(QStringLiteral("Due"), QStringLiteral("F"), QString(), QString())});
        folder.write(QStringLiteral("Archivio_Candidati.pro"), before.left(C::Size) + torn);
        folder.write(QStringLiteral("Archivio_Candidati.pro.aggiunta"),
                     "Selvora - aggiunta di schede in corso\nversione=1\nfile=Archivio_Candidati.pro\nlunghezza=" +
                         QByteArray::number(before.size()) + "\ncoda=" + QByteArray("coda").toBase64() + "\n");
        const SheetTable table = csv("Cognome e nome\r\nRossi\r\n");
        Options options;
        options.fromCsv = true;
        const QVector<int> m = mapHeadings(table.row(0));
        const Outcome o = store(CandidateArchive::path(), table, m, options, preview(table, m, options, {}), true);
        QVERIFY(!o.ok);
        QVERIFY2(o.error.startsWith(QStringLiteral("Attenzione: l'ultima importazione di candidati non è terminata")),
                 qPrintable(o.error));
        QVERIFY(
            o.error.endsWith(QStringLiteral("Nessuna scheda è stata aggiunta ora: riaprire il file da importare.")));
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), before);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Archivio_Candidati.pro.aggiunta"))));
        // The next import goes in.
        const Outcome again = store(CandidateArchive::path(), table, m, options, preview(table, m, options, {}), true);
        QVERIFY(again.ok);
        QCOMPARE(again.added, 1);
    }

    void unreadableArchive()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Archivio_Candidati.pro")));
        ArchiveKeys keys;
        QString error;
        QVERIFY(!readArchiveKeys(CandidateArchive::path(), &keys, &error));
        QCOMPARE(error, RecordFile::accessMessage());
        const SheetTable table = csv("Cognome e nome\r\nRossi\r\n");
        Options options;
        const QVector<int> m = mapHeadings(table.row(0));
        const Outcome o = store(CandidateArchive::path(), table, m, options, preview(table, m, options, keys), true);
        QVERIFY(!o.ok);
        QVERIFY(QFileInfo(folder.file(QStringLiteral("Archivio_Candidati.pro"))).isDir());
    }

    void dateFromSerial_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date");
        QTest::newRow("1990") << "32874"
                              << "01/01/1990";
        QTest::newRow("with a time") << "45123.75"
                                     << "16/07/2023";
        QTest::newRow("first day") << "1"
                                   << "31/12/1899";
        QTest::newRow("typed date") << "01/01/1990"
                                    << "";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("negative") << "-5"
                                  << "";
        QTest::newRow("exponent") << "1e4"
                                  << "";
        QTest::newRow("text") << "ieri"
                              << "";
    }
    void dateFromSerial()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        QCOMPARE(CandidateImport::dateFromSerial(text), date);
    }

    // Export to .csv or .xlsx, import into an empty archive: the same cards,
    // byte for byte.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("csv") << "cmdEsportaCsv"
                             << "Archivio_Candidati.csv";
        QTest::newRow("xlsx") << "cmdEsportaXlsx"
                              << "Archivio_Candidati.xlsx";
    }
    void roundTrip()
    {
        QFETCH(QString, button);
        QFETCH(QString, fileName);
        const QByteArray original = archiveOf(roundTripCards());
        QTemporaryDir keep;
        const QString exported = keep.filePath(fileName);
        {
            TempProgramFolder source;
            source.write(QStringLiteral("Archivio_Candidati.pro"), original);
            TfrmExpCandidati w;
            w.show();
            Messages::queueAnswer(Messages::Answer::No);
            QTest::mouseClick(w.findChild<QToolButton*>(button), Qt::LeftButton);
            QCOMPARE(Messages::takeShown().size(), 1);
            QVERIFY(QFile::copy(source.file(fileName), exported));
        }
        TempProgramFolder target;
        SheetTable table;
        QString error;
        const bool fromCsv = fileName.endsWith(QLatin1String(".csv"));
        QVERIFY2(fromCsv ? CsvReader::read(exported, &table, &error) : XlsxReader::read(exported, &table, &error),
                 qPrintable(error));
        ArchiveKeys keys;
        QVERIFY(readArchiveKeys(CandidateArchive::path(), &keys, &error));
        QCOMPARE(keys.cards, 0);
        Options options;
        options.fromCsv = fromCsv;
        const QVector<int> m = mapHeadings(table.row(0));
        QCOMPARE(m.count(Ignore), 0);
        const Preview p = preview(table, m, options, keys);
        for (const RowNotes& n : p.rows)
            QVERIFY2(n.verdict == Verdict::Ready, qPrintable(n.reasons.join(u'|')));
        const Outcome o = store(CandidateArchive::path(), table, m, options, p, false);
        QVERIFY(o.ok);
        QCOMPARE(o.added, 3);
        QCOMPARE(target.read(QStringLiteral("Archivio_Candidati.pro")), original);
    }
};

SELVORA_TEST_MAIN(TestCandidateImport)
#include "tst_candidateimport.moc"
