// The candidate card record of "Archivio_Candidati.pro": 3612 bytes, 32
// length-prefixed Windows-1252 text fields, no padding, no terminator.
//
// Each field is one length byte L followed by W text bytes, of which the
// first L hold the text; the remaining bytes mean nothing (this program
// writes zeros there). A length byte larger than W, which this program never
// writes, is read as W so that nothing is ever read past a field.
//
//   #  field           offset  bytes  max chars
//   1  Candidato            0     51     50
//   2  Sesso               51      2      1
//   3  DataNasc            53     11     10
//   4  Cittadinanza        64     51     50
//   5  LuogoNasc          115     51     50
//   6  Indirizzo          166    121    120
//   7  Citta              287     51     50
//   8  Cap                338     11     10
//   9  Settore            349     51     50
//  10  CodFisc            400     17     16
//  11  PartitaIva         417     12     11
//  12  Patente            429     51     50
//  13  Studio             480    121    120
//  14  Lingue             601    251    250
//  15  Email              852     51     50
//  16  Tel                903     31     30
//  17  Cel                934     31     30
//  18  Documento          965    121    120
//  19  EnteRil           1086    121    120
//  20  InizioTes         1207     11     10
//  21  FineTes           1218     11     10
//  22  Esperienze        1229    251    250
//  23  Competenze        1480    251    250
//  24  Disponibilita     1731    121    120
//  25  Note              1852    251    250
//  26  Ricontatta        2103      3      2   "Sì" (02 53 EC) or "No" (02 4E 6F)
//  27  File01            2106    251    250   attachment file names, no folder
//  28  File02            2357    251    250
//  29  File03            2608    251    250
//  30  Desc01            2859    251    250   attachment descriptions
//  31  Desc02            3110    251    250
//  32  Desc03            3361    251    250   ends at 3612
#pragma once

#include <QByteArray>
#include <QString>

struct TSchedaCandidato
{
    static constexpr int Size = 3612;

    // The fields in file order; Campo values index fieldOffset/fieldWidth.
    enum Campo
    {
        fCandidato,
        fSesso,
        fDataNasc,
        fCittadinanza,
        fLuogoNasc,
        fIndirizzo,
        fCitta,
        fCap,
        fSettore,
        fCodFisc,
        fPartitaIva,
        fPatente,
        fStudio,
        fLingue,
        fEmail,
        fTel,
        fCel,
        fDocumento,
        fEnteRil,
        fInizioTes,
        fFineTes,
        fEsperienze,
        fCompetenze,
        fDisponibilita,
        fNote,
        fRicontatta,
        fFile01,
        fFile02,
        fFile03,
        fDesc01,
        fDesc02,
        fDesc03,
        CampoCount
    };

    QString Candidato;
    QString Sesso;
    QString DataNasc;
    QString Cittadinanza;
    QString LuogoNasc;
    QString Indirizzo;
    QString Citta;
    QString Cap;
    QString Settore;
    QString CodFisc;
    QString PartitaIva;
    QString Patente;
    QString Studio;
    QString Lingue;
    QString Email;
    QString Tel;
    QString Cel;
    QString Documento;
    QString EnteRil;
    QString InizioTes;
    QString FineTes;
    QString Esperienze;
    QString Competenze;
    QString Disponibilita;
    QString Note;
    QString Ricontatta; // "Sì" or "No"
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    // The two values of Ricontatta.
    static QString si();
    static QString no();
    static QString flag(bool ricontatta) { return ricontatta ? si() : no(); }

    // Field access by number, in file order.
    QString& field(Campo c);
    const QString& field(Campo c) const;

    // Offset of the length byte, and the field's width W (its text bytes, the
    // most characters it keeps).
    static int fieldOffset(Campo c);
    static int maxChars(Campo c);

    // Every field trimmed (codes up to 32 at both ends), converted to
    // Windows-1252 ("?" for what the code page lacks), then cut to its width.
    QByteArray encode() const;

    // Each field as its first L bytes converted from Windows-1252, nothing
    // trimmed. A record shorter than Size (a torn tail) is read only as far
    // as its bytes go: missing fields are empty.
    static TSchedaCandidato decode(const char* record);
    static TSchedaCandidato decode(const QByteArray& record);

    // One field of a whole record, for scans that need only a few of them.
    static QString read(const char* record, Campo c);
    static QString candidato(const char* r) { return read(r, fCandidato); }
    static QString sesso(const char* r) { return read(r, fSesso); }
    static QString dataNasc(const char* r) { return read(r, fDataNasc); }
    static QString cittadinanza(const char* r) { return read(r, fCittadinanza); }
    static QString luogoNasc(const char* r) { return read(r, fLuogoNasc); }
    static QString indirizzo(const char* r) { return read(r, fIndirizzo); }
    static QString citta(const char* r) { return read(r, fCitta); }
    static QString cap(const char* r) { return read(r, fCap); }
    static QString settore(const char* r) { return read(r, fSettore); }
    static QString codFisc(const char* r) { return read(r, fCodFisc); }
    static QString partitaIva(const char* r) { return read(r, fPartitaIva); }
    static QString patente(const char* r) { return read(r, fPatente); }
    static QString studio(const char* r) { return read(r, fStudio); }
    static QString lingue(const char* r) { return read(r, fLingue); }
    static QString email(const char* r) { return read(r, fEmail); }
    static QString tel(const char* r) { return read(r, fTel); }
    static QString cel(const char* r) { return read(r, fCel); }
    static QString documento(const char* r) { return read(r, fDocumento); }
    static QString enteRil(const char* r) { return read(r, fEnteRil); }
    static QString inizioTes(const char* r) { return read(r, fInizioTes); }
    static QString fineTes(const char* r) { return read(r, fFineTes); }
    static QString esperienze(const char* r) { return read(r, fEsperienze); }
    static QString competenze(const char* r) { return read(r, fCompetenze); }
    static QString disponibilita(const char* r) { return read(r, fDisponibilita); }
    static QString note(const char* r) { return read(r, fNote); }
    static QString ricontatta(const char* r) { return read(r, fRicontatta); }

    // Whether the card is flagged for recontact: the stored value is exactly
    // "Sì". Any other value (this program writes only "Sì" or "No") is not.
    bool isRicontatta() const { return Ricontatta == si(); }
    static bool isRicontatta(const char* record);

    static QString accessMessage();
};

namespace ShortText {
// A length-prefixed field of `width` text bytes (plus its length byte).
void write(char* field, int width, const QString& text);
QString read(const char* field, int width);
// The same when only `available` bytes from the length byte on exist.
QString read(const char* field, int width, qsizetype available);
} // namespace ShortText

// Where the candidate archive and its photos live.
namespace CandidateArchive {
// "Archivio_Candidati.pro"
QString fileName();
// The archive in the program folder.
QString path();
// "Anagrafica": the photo folder in the program folder (no trailing "/").
QString photoFolder();
// "Scheda_Candidato_<n>.jpg", n in decimal without leading zeros.
QString photoFileName(qint64 position);
// The photo file of card n in the photo folder.
QString photoPath(qint64 position);
} // namespace CandidateArchive
