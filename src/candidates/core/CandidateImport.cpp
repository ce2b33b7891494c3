// Importing candidate cards from a spreadsheet table.
#include "candidates/core/CandidateImport.h"

#include "base/core/AppendJournal.h"
#include "base/core/Cp1252.h"
#include "base/core/RecordFile.h"
#include "base/core/TailRepair.h"
#include "base/core/TextRules.h"
#include "candidates/core/Duplicates.h"
#include "sheets/core/CsvExport.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QDate>
#include <QFileInfo>
#include <QHash>

#include <array>

namespace CandidateImport {

namespace {

using C = TSchedaCandidato;

// The card fields a file can fill, with their captions in the card window.
struct FieldCaption
{
    C::Campo field;
    const char* caption;
};
constexpr std::array<FieldCaption, 26> kFields = {{
    {C::fCandidato, "Cognome e nome"},
    {C::fSesso, "Sesso"},
    {C::fDataNasc, "Data nascita"},
    {C::fCittadinanza, "Cittadinanza"},
    {C::fLuogoNasc, "Luogo nascita"},
    {C::fIndirizzo, "Indirizzo residenza"},
    {C::fCitta, "Città"},
    {C::fCap, "CAP"},
    {C::fSettore, "Settore professionale"},
    {C::fCodFisc, "Codice fiscale"},
    {C::fPartitaIva, "Partita IVA"},
    {C::fPatente, "Patente di guida"},
    {C::fStudio, "Titolo di studio"},
    {C::fLingue, "Lingue conosciute"},
    {C::fEmail, "E-mail"},
    {C::fTel, "Tel. casa"},
    {C::fCel, "Tel. cellulare"},
    {C::fDocumento, "Documento (tipo e numero)"},
    {C::fEnteRil, "Ente di rilascio"},
    {C::fInizioTes, "Data rilascio"},
    {C::fFineTes, "Data scadenza"},
    {C::fEsperienze, "Esperienze lavorative"},
    {C::fCompetenze, "Competenze informatiche"},
    {C::fDisponibilita, "Disponibilità"},
    {C::fNote, "Note"},
    {C::fRicontatta, "Da ricontattare"},
}};

// A heading reduced to its letters and digits, lower case, accents dropped:
// "E-mail" and "Email", "Città" and "citta" meet.
QString headingKey(const QString& heading)
{
    const QString plain = heading.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(plain.size());
    for (const QChar c : plain) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            key.append(c.toLower());
    }
    return key;
}

const QHash<QString, int>& headingTable()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> t;
        auto add = [&t](int target, std::initializer_list<const char*> keys) {
            for (const char* k : keys)
                t.insert(QString::fromLatin1(k), target);
        };
        add(C::fCandidato, {"cognomeenome", "cognomenome", "nominativo", "candidato"});
        add(Surname, {"cognome"});
        add(GivenName, {"nome"});
        add(C::fSesso, {"sesso", "genere", "mf", "sessomf", "sessofm"});
        add(C::fDataNasc,
            {"datanascita", "datadinascita", "datanasc", "nascita", "natail", "natoil", "natoail", "nataoil",
             "nataoail", "dtnascita", "datadinasc", "nascitail"});
        add(C::fCittadinanza, {"cittadinanza", "nazionalita"});
        add(C::fLuogoNasc,
            {"luogonascita", "luogodinascita", "luogonasc", "natoa", "nataa", "natoaa", "nataoa", "luogo",
             "comunedinascita", "cittadinascita", "luogodinasc", "comunenascita"});
        add(C::fIndirizzo,
            {"indirizzoresidenza", "indirizzodiresidenza", "indirizzo", "residenza", "via", "viapiazza",
             "viaenumerocivico", "indirizzocompleto"});
        add(C::fCitta,
            {"citta", "comune", "cittadiresidenza", "comunediresidenza", "localita", "residentea", "cittaresidenza",
             "comuneresidenza"});
        add(C::fCap, {"cap", "codicepostale", "codiceavviamentopostale"});
        add(C::fSettore, {"settoreprofessionale", "settore"});
        add(C::fCodFisc, {"codicefiscale", "codfisc", "codfiscale", "cf", "codicefisc", "codf"});
        add(C::fPartitaIva, {"partitaiva", "piva", "partitaiv", "numeropartitaiva", "ptaiva"});
        add(C::fPatente, {"patentediguida", "patente"});
        add(C::fStudio, {"titolodistudio", "titolostudio", "studio", "istruzione", "studi"});
        add(C::fLingue, {"lingueconosciute", "lingue", "linguestraniere", "conoscenzelinguistiche"});
        add(C::fEmail,
            {"email", "mail", "postaelettronica", "indirizzoemail", "indirizzomail", "emailpec", "pec",
             "indirizzodipostaelettronica"});
        add(C::fTel,
            {"telcasa", "telefonocasa", "telefono", "tel", "telefonofisso", "telfisso", "recapitotelefonico",
             "ntelefono", "numeroditelefono", "numerotelefono", "recapito"});
        add(C::fCel,
            {"telcellulare", "cellulare", "cell", "telefonocellulare", "telcell", "mobile", "ncellulare",
             "numerocellulare", "numerodicellulare", "cel", "telefonomobile"});
        add(C::fDocumento,
            {"documento", "documentotipoenumero", "documentodiidentita", "documentodidentita", "documentoidentita",
             "ndocumento", "numerodocumento", "estremidocumento"});
        add(C::fEnteRil, {"entedirilascio", "enterilascio", "rilasciatoda", "rilasciatodal", "enterilasciante"});
        add(C::fInizioTes, {"datarilascio", "datadirilascio", "rilasciatoil", "rilascio", "datarilasciodocumento"});
        add(C::fFineTes,
            {"datascadenza", "datadiscadenza", "scadenza", "scadenzadocumento", "validofinoal", "validitafinoal",
             "scadeil"});
        add(C::fEsperienze,
            {"esperienzelavorative", "esperienze", "esperienza", "esperienzeprofessionali", "esperienzalavorativa",
             "esperienzeprecedenti"});
        add(C::fCompetenze, {"competenzeinformatiche", "competenze", "conoscenzeinformatiche", "informatica"});
        add(C::fDisponibilita, {"disponibilita", "disponibilitaoraria", "disponibile"});
        add(C::fNote, {"note", "annotazioni", "osservazioni", "nota"});
        add(C::fRicontatta, {"daricontattare", "ricontattare", "ricontatta", "darichiamare", "richiamare"});
        return t;
    }();
    return table;
}

bool isDateField(int field)
{
    return field == C::fDataNasc || field == C::fInizioTes || field == C::fFineTes;
}

QString caption(int field)
{
    for (const FieldCaption& f : kFields)
        if (f.field == field)
            return QString::fromUtf8(f.caption);
    return QString();
}

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

// "Da ricontattare" as written in spreadsheets: a yes, a no, or neither.
int yesNo(const QString& text)
{
    const QString k = headingKey(text);
    static const QSet<QString> yes = {QStringLiteral("si"),  QStringLiteral("s"),    QStringLiteral("x"),
                                      QStringLiteral("1"),   QStringLiteral("vero"), QStringLiteral("true"),
                                      QStringLiteral("yes"), QStringLiteral("y")};
    static const QSet<QString> no = {QString(),           QStringLiteral("no"),    QStringLiteral("n"),
                                     QStringLiteral("0"), QStringLiteral("falso"), QStringLiteral("false")};
    if (yes.contains(k))
        return 1;
    if (no.contains(k))
        return 0;
    return -1;
}

} // namespace

QList<Choice> choices()
{
    QList<Choice> out;
    out.append({Ignore, QStringLiteral("(non importare)")});
    out.append({Surname, QStringLiteral("Cognome")});
    out.append({GivenName, QStringLiteral("Nome")});
    for (const FieldCaption& f : kFields)
        out.append({f.field, QString::fromUtf8(f.caption)});
    return out;
}

QString targetLabel(int target)
{
    for (const Choice& c : choices())
        if (c.target == target)
            return c.label;
    return QString();
}

int targetForHeading(const QString& heading)
{
    return headingTable().value(headingKey(heading), Ignore);
}

QVector<int> mapHeadings(const QStringList& headings)
{
    QVector<int> out;
    QSet<int> taken;
    for (const QString& h : headings) {
        int target = targetForHeading(h);
        if (target != Ignore && taken.contains(target))
            target = Ignore;
        if (target != Ignore)
            taken.insert(target);
        out.append(target);
    }
    return out;
}

QStringList columnWarnings(const QStringList& headings, const QVector<int>& mapping)
{
    QStringList out;
    const QHash<QString, int>& table = headingTable();
    for (int c = 0; c < headings.size(); ++c) {
        if (mapping.value(c, Ignore) != Ignore)
            continue;
        // The field whose word is the heading or, failing that, the longest
        // word of four letters or more that the heading holds.
        const QString key = headingKey(headings.at(c));
        if (key.isEmpty())
            continue;
        int target = table.value(key, Ignore);
        if (target == Ignore) {
            QString best;
            for (auto it = table.constBegin(); it != table.constEnd(); ++it) {
                const QString& word = it.key();
                if (word.size() < 4 || !key.contains(word))
                    continue;
                if (word.size() > best.size() || (word.size() == best.size() && word < best)) {
                    best = word;
                    target = it.value();
                }
            }
        }
        if (target == Ignore)
            continue;
        const QString heading = quoted(TextRules::trimmed(headings.at(c)));
        const int holder = int(mapping.indexOf(target));
        if (holder >= 0)
            out.append(QStringLiteral("La colonna %1 sembra «%2», già presa dalla colonna %3: non viene importata.")
                           .arg(heading, targetLabel(target), quoted(TextRules::trimmed(headings.value(holder)))));
        else
            out.append(QStringLiteral("La colonna %1 sembra «%2» ma non viene importata: se va importata, sceglierne "
                                      "il campo nella tabella delle colonne.")
                           .arg(heading, targetLabel(target)));
    }
    return out;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Ready:
        return QStringLiteral("Pronta");
    case Verdict::Warning:
        return QStringLiteral("Avviso");
    case Verdict::Refused:
        return QStringLiteral("Rifiutata");
    case Verdict::Duplicate:
        return QStringLiteral("Doppione");
    }
    return QString();
}

QString dateFromSerial(const QString& text)
{
    // Whole days (a time of day may follow as a fraction) from 1 (1 January
    // 1900) to 2958465 (31 December 9999), counted the way spreadsheets do,
    // from 30 December 1899.
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v < 1 || v >= 2958466 || text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return QString();
    for (const QChar c : text)
        if (!c.isDigit() && c != u'.')
            return QString();
    return QDate(1899, 12, 30).addDays(qint64(v)).toString(QStringLiteral("dd/MM/yyyy"));
}

QString sexFromFiscalCode(const QString& code)
{
    const QString c = FiscalCodeCheckLetter::digitato(code);
    if (!FiscalCodeCheckLetter::valido(c))
        return QString();
    // The day of birth, characters 10 and 11, is 40 higher for women; a
    // code changed for a namesake writes its digits as letters L to V.
    static const QString omocodia = QStringLiteral("LMNPQRSTUV");
    int day = 0;
    for (int i = 9; i <= 10; ++i) {
        const QChar ch = c.at(i);
        int digit = ch.isDigit() ? ch.digitValue() : int(omocodia.indexOf(ch));
        if (digit < 0)
            return QString();
        day = day * 10 + digit;
    }
    if (day >= 1 && day <= 31)
        return QStringLiteral("M");
    if (day >= 41 && day <= 71)
        return QStringLiteral("F");
    return QString();
}

TSchedaCandidato cardOf(const SheetTable& table, const QVector<int>& mapping, int row, const Options& options,
                        RowNotes* notes)
{
    TSchedaCandidato card;
    card.Ricontatta = C::no();
    QString surname;
    QString given;
    const int cells = table.cellCount(row);
    const int headings = table.cellCount(0);
    auto warn = [notes](const QString& why) {
        notes->reasons.append(why);
        if (notes->verdict == Verdict::Ready)
            notes->verdict = Verdict::Warning;
    };

    if (cells > headings) {
        bool extra = false;
        for (int c = headings; c < cells; ++c)
            extra = extra || !TextRules::trimmed(table.cell(row, c).toString()).isEmpty();
        if (extra)
            warn(QStringLiteral("la riga ha più celle dell'intestazione (%1 invece di %2): quelle in più sono "
                                "ignorate")
                     .arg(cells)
                     .arg(headings));
    } else if (options.fromCsv && cells < headings) {
        warn(QStringLiteral("la riga ha meno celle dell'intestazione (%1 invece di %2): i campi mancanti restano "
                            "vuoti")
                 .arg(cells)
                 .arg(headings));
    }

    for (int c = 0; c < mapping.size() && c < cells; ++c) {
        const int target = mapping.at(c);
        if (target == Ignore)
            continue;
        const QString raw = table.cell(row, c).toString();
        QString value = TextRules::trimmed(options.fromCsv ? CsvExport::unguarded(raw) : raw);
        const QString label = target == Surname ? QStringLiteral("Cognome")
            : target == GivenName               ? QStringLiteral("Nome")
                                                : caption(target);
        if (table.isFormula(row, c))
            warn(QStringLiteral("%1: la cella contiene una formula, importato il valore calcolato %2")
                     .arg(label, quoted(value)));
        else if (options.fromCsv && raw.startsWith(QLatin1Char('=')))
            warn(QStringLiteral("%1: il valore sembra una formula, importato come testo").arg(label));
        if (target == Surname) {
            surname = value;
            continue;
        }
        if (target == GivenName) {
            given = value;
            continue;
        }
        const auto field = C::Campo(target);
        if (isDateField(field)) {
            const QString date = dateFromSerial(value);
            if (!date.isEmpty()) {
                warn(QStringLiteral("%1: il numero %2 è stato letto come la data %3").arg(label, quoted(value), date));
                value = date;
            }
        }
        if (field == C::fSesso) {
            value = value.toUpper();
        } else if (field == C::fCodFisc) {
            value = FiscalCodeCheckLetter::digitato(value);
        } else if (field == C::fRicontatta) {
            const int flag = yesNo(value);
            if (flag < 0)
                warn(QStringLiteral("%1: valore %2 non riconosciuto, registrato «No»").arg(label, quoted(value)));
            value = C::flag(flag == 1);
        }
        card.field(field) = value;
    }
    if (card.Candidato.isEmpty()) {
        QStringList parts;
        for (const QString& p : {surname, given})
            if (!p.isEmpty())
                parts.append(p);
        card.Candidato = parts.join(QLatin1Char(' '));
    }
    if (card.Candidato.isEmpty()) {
        notes->verdict = Verdict::Refused;
        notes->reasons.prepend(QStringLiteral("manca il cognome e nome del candidato"));
        return card;
    }

    if (!card.CodFisc.isEmpty() && !FiscalCodeCheckLetter::valido(card.CodFisc))
        warn(QStringLiteral("il codice fiscale %1 non supera il controllo").arg(quoted(card.CodFisc)));
    if (!card.Email.isEmpty() && !card.Email.contains(QLatin1Char('@')))
        warn(QStringLiteral("l'indirizzo e-mail %1 non contiene «@»").arg(quoted(card.Email)));
    // A file without a sex column (the .xls export has none): a valid
    // fiscal code tells it. A card left without one is still stored; the card
    // window asks for the sex when the card is next saved, as for any card.
    if (card.Sesso.isEmpty())
        card.Sesso = sexFromFiscalCode(card.CodFisc);

    // What the archive will really hold: its code page and its widths.
    for (const FieldCaption& f : kFields) {
        const QString& value = card.field(f.field);
        if (value.isEmpty())
            continue;
        const bool lossy = !Cp1252::unencodable(value).isEmpty();
        const QByteArray bytes = Cp1252::encode(value);
        const int width = C::maxChars(f.field);
        if (lossy)
            warn(QStringLiteral("%1: caratteri che l'archivio non può contenere, sarà registrato come %2")
                     .arg(QString::fromUtf8(f.caption), quoted(Cp1252::decode(bytes.left(width)))));
        if (bytes.size() > width)
            warn(QStringLiteral("%1: testo di %2 caratteri tagliato a %3")
                     .arg(QString::fromUtf8(f.caption))
                     .arg(bytes.size())
                     .arg(width));
    }
    return card;
}

bool readArchiveKeys(const QString& archivePath, ArchiveKeys* keys, QString* error)
{
    RecordFile file(archivePath, C::Size);
    if (!file.open()) {
        if (error)
            *error = RecordFile::accessMessage();
        return false;
    }
    keys->cards = file.count();
    const bool ok = file.scan([keys](qint64, const char* record) {
        // The keys of the duplicate scan ("Doppioni"), so that the import
        // finds the duplicates it finds.
        const Duplicates::Keys k = Duplicates::keysOf(record);
        if (!k.code.isEmpty())
            keys->fiscalCodes.insert(k.code);
        if (!k.nameAndDate.isEmpty())
            keys->namesAndBirths.insert(k.nameAndDate);
        return true;
    });
    file.close();
    if (!ok && error)
        *error = RecordFile::accessMessage();
    return ok;
}

Preview preview(const SheetTable& table, const QVector<int>& mapping, const Options& options,
                const ArchiveKeys& archive)
{
    Preview out;
    out.columns = columnWarnings(table.row(0), mapping);
    const int rows = table.rowCount() - 1;
    out.rows.resize(qMax(0, rows));
    QHash<QByteArray, int> codes; // key -> earlier data row
    QHash<QByteArray, int> names;
    for (int r = 1; r <= rows; ++r) {
        RowNotes& notes = out.rows[r - 1];
        const TSchedaCandidato card = cardOf(table, mapping, r, options, &notes);
        if (notes.verdict != Verdict::Refused) {
            // On the bytes that would be stored, with the duplicate scan's keys.
            const Duplicates::Keys keys = Duplicates::keysOf(card.encode().constData());
            const QByteArray& code = keys.code;
            const QByteArray& nb = keys.nameAndDate;
            QString duplicate;
            if (!code.isEmpty() && archive.fiscalCodes.contains(code))
                duplicate = QStringLiteral("stesso codice fiscale di una scheda già in archivio");
            else if (!nb.isEmpty() && archive.namesAndBirths.contains(nb))
                duplicate = QStringLiteral("stesso cognome e nome e data di nascita di una scheda già in archivio");
            else if (!code.isEmpty() && codes.contains(code))
                duplicate =
                    QStringLiteral("stesso codice fiscale della riga %1").arg(table.sourceRow(codes.value(code)));
            else if (!nb.isEmpty() && names.contains(nb))
                duplicate = QStringLiteral("stesso cognome e nome e data di nascita della riga %1")
                                .arg(table.sourceRow(names.value(nb)));
            if (!duplicate.isEmpty()) {
                notes.verdict = Verdict::Duplicate;
                notes.reasons.prepend(duplicate);
            }
            if (!code.isEmpty() && !codes.contains(code))
                codes.insert(code, r);
            if (!nb.isEmpty() && !names.contains(nb))
                names.insert(nb, r);
        }
        switch (notes.verdict) {
        case Verdict::Ready:
            ++out.ready;
            break;
        case Verdict::Warning:
            ++out.warned;
            break;
        case Verdict::Refused:
            ++out.refused;
            break;
        case Verdict::Duplicate:
            ++out.duplicates;
            break;
        }
    }
    return out;
}

Outcome store(const QString& archivePath, const SheetTable& table, const QVector<int>& mapping, const Options& options,
              const Preview& preview, bool includeWarned)
{
    Outcome out;
    out.skippedRefused = preview.refused;
    out.skippedDuplicates = preview.duplicates;
    out.skippedWarned = includeWarned ? 0 : preview.warned;
    // An earlier import cut short by a crash is taken out first; the rows
    // were then checked against an archive that has changed, so the user
    // is told and starts again.
    if (QFileInfo::exists(AppendJournal::pathFor(archivePath))) {
        const TailRepair::Result repair = TailRepair::run(archivePath, C::Size);
        if (repair.kind != TailRepair::Result::Kind::Nothing) {
            out.error = TailRepair::message(repair, QStringLiteral("l'archivio dei candidati"));
            if (repair.kind != TailRepair::Result::Kind::Failed)
                out.error += QStringLiteral("\n\nNessuna scheda è stata aggiunta ora: riaprire il file da importare.");
            out.skippedWarned = preview.warned;
            return out;
        }
    }
    RecordFile file(archivePath, C::Size);
    if (!file.open()) {
        out.error = RecordFile::accessMessage();
        return out;
    }
    int r = 0;
    const int rows = int(preview.rows.size());
    auto next = [&](QByteArray* record) {
        while (r < rows) {
            const Verdict v = preview.rows.at(r).verdict;
            ++r;
            if (v == Verdict::Ready || (includeWarned && v == Verdict::Warning)) {
                RowNotes notes;
                *record = cardOf(table, mapping, r, options, &notes).encode();
                return true;
            }
        }
        return false;
    };
    qint64 added = 0;
    const qint64 first = file.appendAll(next, &added);
    const bool failed = first == 0 && !file.errorString().isEmpty();
    file.close();
    if (failed && QFileInfo::exists(AppendJournal::pathFor(archivePath))) {
        // The old end of the archive (a piece of a card) could not be written
        // back: the note of the append stays, and the next start does it.
        out.error = QStringLiteral("Attenzione: l'importazione non è riuscita: nessuna scheda è stata aggiunta, ma "
                                   "non è stato possibile riportare subito la fine dell'archivio com'era. Al "
                                   "prossimo avvio Selvora la riporterà com'era prima dell'importazione.\n\r\n\r"
                                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                                   "del programma e che il disco non sia pieno.");
        out.skippedWarned = preview.warned;
        return out;
    }
    if (failed) {
        out.error = QStringLiteral("Attenzione: l'importazione non è riuscita e l'archivio è rimasto com'era: nessuna "
                                   "scheda è stata aggiunta.\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                   "nella cartella di installazione del programma e che il disco non sia pieno.");
        out.skippedWarned = preview.warned;
        return out;
    }
    out.ok = true;
    out.firstPosition = first;
    out.added = int(added);
    return out;
}

QString summary(const Outcome& outcome)
{
    if (!outcome.ok)
        return outcome.error;
    QString text = outcome.added == 1 ? QStringLiteral("È stata aggiunta 1 scheda all'archivio")
                                      : QStringLiteral("Sono state aggiunte %1 schede all'archivio").arg(outcome.added);
    if (outcome.added > 0)
        text += outcome.added == 1 ? QStringLiteral(" (posizione %1).").arg(outcome.firstPosition)
                                   : QStringLiteral(" (posizioni da %1 a %2).")
                                         .arg(outcome.firstPosition)
                                         .arg(outcome.firstPosition + outcome.added - 1);
    else
        text += QLatin1Char('.');
    const int skipped = outcome.skippedWarned + outcome.skippedRefused + outcome.skippedDuplicates;
    if (skipped == 0)
        return text + QStringLiteral("\nNessuna riga è stata tralasciata.");
    text += QStringLiteral("\nRighe tralasciate: %1").arg(skipped);
    QStringList why;
    if (outcome.skippedDuplicates > 0)
        why.append(QStringLiteral("%1 doppioni").arg(outcome.skippedDuplicates));
    if (outcome.skippedRefused > 0)
        why.append(QStringLiteral("%1 senza cognome e nome").arg(outcome.skippedRefused));
    if (outcome.skippedWarned > 0)
        why.append(QStringLiteral("%1 con avvisi").arg(outcome.skippedWarned));
    return text + QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QStringLiteral(").");
}

QString report(const QString& fileName, const SheetTable& table, const QVector<int>& mapping, const Options& options,
               const Preview& preview, const Outcome& outcome)
{
    QString text;
    text += QStringLiteral("Importazione candidati dal file %1\n\n").arg(fileName);
    text += summary(outcome) + QStringLiteral("\n\n");
    text += QStringLiteral("Colonne del file:\n");
    const QStringList headings = table.row(0);
    for (int c = 0; c < headings.size(); ++c)
        text += QStringLiteral("  %1 -> %2\n").arg(headings.at(c), targetLabel(mapping.value(c, Ignore)));
    for (const QString& warning : preview.columns)
        text += QStringLiteral("  %1\n").arg(warning);
    text += QStringLiteral("\nRighe con avvisi, rifiutate o doppie (il numero è la riga del file):\n");
    bool any = false;
    for (int r = 0; r < preview.rows.size(); ++r) {
        const RowNotes& notes = preview.rows.at(r);
        if (notes.verdict == Verdict::Ready)
            continue;
        any = true;
        RowNotes again;
        const TSchedaCandidato card = cardOf(table, mapping, r + 1, options, &again);
        text += QStringLiteral("  riga %1, %2 - %3: %4\n")
                    .arg(table.sourceRow(r + 1))
                    .arg(card.Candidato.isEmpty() ? QStringLiteral("(senza nome)") : card.Candidato,
                         verdictText(notes.verdict), notes.reasons.join(QStringLiteral("; ")));
    }
    if (!any)
        text += QStringLiteral("  nessuna\n");
    return text;
}

} // namespace CandidateImport
