#include "sessions/core/SchedaColloquio.h"

#include "base/core/Cp1252.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"

#include <cstring>

namespace {
struct Field
{
    int offset;
    int width;
};
constexpr Field kCandidato {0, 121};
constexpr Field kCodiceFiscale {121, 121};
constexpr Field kProvenienza {242, 51};
constexpr Field kDataColloquio {293, 51};
constexpr Field kDettagli {344, 5001};
constexpr Field kPunteggio {5345, 16};
constexpr Field kNote {5361, 501};
constexpr Field kIdoneo {5862, 3};
static_assert(kIdoneo.offset + kIdoneo.width == TSchedaColloquio::Size, "record layout");

inline QString get(const char* record, Field f)
{
    return FixedText::read(record + f.offset, f.width);
}
inline void put(char* record, Field f, const QString& text)
{
    FixedText::write(record + f.offset, f.width, text);
}
} // namespace

namespace FixedText {

void write(char* field, int width, const QString& text)
{
    const QByteArray bytes = Cp1252::encode(text);
    const int n = int(qMin<qsizetype>(bytes.size(), width - 1));
    std::memset(field, 0, size_t(width));
    std::memcpy(field, bytes.constData(), size_t(n));
}

QString read(const char* field, int width)
{
    const void* zero = std::memchr(field, 0, size_t(width));
    const int n = zero ? int(static_cast<const char*>(zero) - field) : width;
    return Cp1252::decode(field, n);
}

} // namespace FixedText

QByteArray TSchedaColloquio::encode() const
{
    QByteArray record(Size, '\0');
    char* r = record.data();
    put(r, kCandidato, Candidato);
    put(r, kCodiceFiscale, CodiceFiscale);
    put(r, kProvenienza, Provenienza);
    put(r, kDataColloquio, DataColloquio);
    put(r, kDettagli, Dettagli);
    put(r, kPunteggio, Punteggio);
    put(r, kNote, Note);
    put(r, kIdoneo, Idoneo);
    return record;
}

TSchedaColloquio TSchedaColloquio::decode(const char* r)
{
    TSchedaColloquio s;
    s.Candidato = get(r, kCandidato);
    s.CodiceFiscale = get(r, kCodiceFiscale);
    s.Provenienza = get(r, kProvenienza);
    s.DataColloquio = get(r, kDataColloquio);
    s.Dettagli = get(r, kDettagli);
    s.Punteggio = get(r, kPunteggio);
    s.Note = get(r, kNote);
    s.Idoneo = get(r, kIdoneo);
    return s;
}

QString TSchedaColloquio::candidato(const char* r)
{
    return get(r, kCandidato);
}
QString TSchedaColloquio::codiceFiscale(const char* r)
{
    return get(r, kCodiceFiscale);
}
QString TSchedaColloquio::provenienza(const char* r)
{
    return get(r, kProvenienza);
}
QString TSchedaColloquio::dataColloquio(const char* r)
{
    return get(r, kDataColloquio);
}
QString TSchedaColloquio::punteggio(const char* r)
{
    return get(r, kPunteggio);
}
QString TSchedaColloquio::idoneo(const char* r)
{
    return get(r, kIdoneo);
}

bool TSchedaColloquio::isIdoneo() const
{
    return TextRules::trimmed(Idoneo) == QStringLiteral("Sì");
}

bool TSchedaColloquio::isNonIdoneo() const
{
    return TextRules::trimmed(Idoneo) == QStringLiteral("No");
}

QString TSchedaColloquio::accessMessage()
{
    return RecordFile::accessMessage();
}
