// The interview card record of a session file: 5865 bytes, eight
// zero-terminated Windows-1252 text fields, no padding.
//
//   offset  width  field
//        0    121  Candidato
//      121    121  CodiceFiscale
//      242     51  Provenienza
//      293     51  DataColloquio   "dd/mm/yyyy"
//      344   5001  Dettagli        lines joined by CR LF
//     5345     16  Punteggio       "12,50"
//     5361    501  Note
//     5862      3  Idoneo          "Sì" (53 EC 00) or "No" (4E 6F 00)
#pragma once

#include <QByteArray>
#include <QString>

struct TSchedaColloquio
{
    static constexpr int Size = 5865;

    QString Candidato;
    QString CodiceFiscale;
    QString Provenienza;
    QString DataColloquio;
    QString Dettagli;
    QString Punteggio;
    QString Note;
    QString Idoneo;

    // Each field keeps at most its width less one characters, then a zero;
    // the rest of the field is zeros.
    QByteArray encode() const;

    // Reads each field up to its first zero byte, or its whole width.
    static TSchedaColloquio decode(const char* record);
    static TSchedaColloquio decode(const QByteArray& record) { return decode(record.constData()); }

    // Single fields, for scans that need only one or two of them.
    static QString candidato(const char* record);
    static QString codiceFiscale(const char* record);
    static QString provenienza(const char* record);
    static QString dataColloquio(const char* record);
    static QString punteggio(const char* record);
    static QString idoneo(const char* record);

    // The flag compared after trimming: exactly "Sì" or exactly "No"; any
    // other content is neither.
    bool isIdoneo() const;
    bool isNonIdoneo() const;

    static QString accessMessage();
};

namespace FixedText {
// A zero-terminated field of the given width.
void write(char* field, int width, const QString& text);
QString read(const char* field, int width);
} // namespace FixedText
