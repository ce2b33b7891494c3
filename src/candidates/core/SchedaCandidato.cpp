// The candidate card codec and the names of the archive and photo files.
#include "candidates/core/SchedaCandidato.h"

#include "base/core/Cp1252.h"
#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"

#include <cstring>

namespace {
struct Layout
{
    int offset; // of the length byte
    int width; // text bytes after it
};

// File order; each field starts where the previous one ends.
constexpr Layout kLayout[TSchedaCandidato::CampoCount] = {
    {0, 50}, // Candidato
    {51, 1}, // Sesso
    {53, 10}, // DataNasc
    {64, 50}, // Cittadinanza
    {115, 50}, // LuogoNasc
    {166, 120}, // Indirizzo
    {287, 50}, // Citta
    {338, 10}, // Cap
    {349, 50}, // Settore
    {400, 16}, // CodFisc
    {417, 11}, // PartitaIva
    {429, 50}, // Patente
    {480, 120}, // Studio
    {601, 250}, // Lingue
    {852, 50}, // Email
    {903, 30}, // Tel
    {934, 30}, // Cel
    {965, 120}, // Documento
    {1086, 120}, // EnteRil
    {1207, 10}, // InizioTes
    {1218, 10}, // FineTes
    {1229, 250}, // Esperienze
    {1480, 250}, // Competenze
    {1731, 120}, // Disponibilita
    {1852, 250}, // Note
    {2103, 2}, // Ricontatta
    {2106, 250}, // File01
    {2357, 250}, // File02
    {2608, 250}, // File03
    {2859, 250}, // Desc01
    {3110, 250}, // Desc02
    {3361, 250}, // Desc03
};

constexpr bool contiguous()
{
    for (int i = 1; i < TSchedaCandidato::CampoCount; ++i) {
        if (kLayout[i].offset != kLayout[i - 1].offset + 1 + kLayout[i - 1].width)
            return false;
    }
    return kLayout[0].offset == 0 &&
        kLayout[TSchedaCandidato::CampoCount - 1].offset + 1 + kLayout[TSchedaCandidato::CampoCount - 1].width ==
        TSchedaCandidato::Size;
}
static_assert(contiguous(), "candidate card layout");

// Pointer-to-member table in the same order as Campo.
using Member = QString TSchedaCandidato::*;
const Member kMembers[TSchedaCandidato::CampoCount] = {
    &TSchedaCandidato::Candidato,    &TSchedaCandidato::Sesso,      &TSchedaCandidato::DataNasc,
    &TSchedaCandidato::Cittadinanza, &TSchedaCandidato::LuogoNasc,  &TSchedaCandidato::Indirizzo,
    &TSchedaCandidato::Citta,        &TSchedaCandidato::Cap,        &TSchedaCandidato::Settore,
    &TSchedaCandidato::CodFisc,      &TSchedaCandidato::PartitaIva, &TSchedaCandidato::Patente,
    &TSchedaCandidato::Studio,       &TSchedaCandidato::Lingue,     &TSchedaCandidato::Email,
    &TSchedaCandidato::Tel,          &TSchedaCandidato::Cel,        &TSchedaCandidato::Documento,
    &TSchedaCandidato::EnteRil,      &TSchedaCandidato::InizioTes,  &TSchedaCandidato::FineTes,
    &TSchedaCandidato::Esperienze,   &TSchedaCandidato::Competenze, &TSchedaCandidato::Disponibilita,
    &TSchedaCandidato::Note,         &TSchedaCandidato::Ricontatta, &TSchedaCandidato::File01,
    &TSchedaCandidato::File02,       &TSchedaCandidato::File03,     &TSchedaCandidato::Desc01,
    &TSchedaCandidato::Desc02,       &TSchedaCandidato::Desc03,
};
} // namespace

namespace ShortText {

void write(char* field, int width, const QString& text)
{
    // Trim first, then convert, then cut: a kept text may end in a blank
    // when its trimmed form was longer than the field.
    const QByteArray bytes = Cp1252::encode(TextRules::trimmed(text));
    const int n = int(qMin<qsizetype>(bytes.size(), width));
    std::memset(field, 0, size_t(width) + 1);
    field[0] = char(quint8(n));
    std::memcpy(field + 1, bytes.constData(), size_t(n));
}

QString read(const char* field, int width)
{
    // A length byte beyond the width (never written by this program) is read
    // as the width, so a damaged card cannot reach into the next field.
    const int n = qMin(int(quint8(field[0])), width);
    return Cp1252::decode(field + 1, n);
}

QString read(const char* field, int width, qsizetype available)
{
    if (available <= 0)
        return QString();
    return read(field, int(qMin<qsizetype>(width, available - 1)));
}

} // namespace ShortText

QString TSchedaCandidato::si()
{
    return QStringLiteral("Sì");
}

QString TSchedaCandidato::no()
{
    return QStringLiteral("No");
}

QString& TSchedaCandidato::field(Campo c)
{
    return this->*kMembers[c];
}

const QString& TSchedaCandidato::field(Campo c) const
{
    return this->*kMembers[c];
}

int TSchedaCandidato::fieldOffset(Campo c)
{
    return kLayout[c].offset;
}

int TSchedaCandidato::maxChars(Campo c)
{
    return kLayout[c].width;
}

QByteArray TSchedaCandidato::encode() const
{
    QByteArray record(Size, '\0');
    for (int i = 0; i < CampoCount; ++i)
        ShortText::write(record.data() + kLayout[i].offset, kLayout[i].width, this->*kMembers[i]);
    return record;
}

TSchedaCandidato TSchedaCandidato::decode(const char* record)
{
    TSchedaCandidato s;
    for (int i = 0; i < CampoCount; ++i)
        s.*kMembers[i] = ShortText::read(record + kLayout[i].offset, kLayout[i].width);
    return s;
}

TSchedaCandidato TSchedaCandidato::decode(const QByteArray& record)
{
    if (record.size() >= Size)
        return decode(record.constData());
    // A torn record: every field is read only as far as the bytes go.
    TSchedaCandidato s;
    for (int i = 0; i < CampoCount; ++i) {
        const int at = kLayout[i].offset;
        s.*kMembers[i] = ShortText::read(record.constData() + at, kLayout[i].width, record.size() - at);
    }
    return s;
}

QString TSchedaCandidato::read(const char* record, Campo c)
{
    return ShortText::read(record + kLayout[c].offset, kLayout[c].width);
}

bool TSchedaCandidato::isRicontatta(const char* record)
{
    return ricontatta(record) == si();
}

QString TSchedaCandidato::accessMessage()
{
    return RecordFile::accessMessage();
}

namespace CandidateArchive {

QString fileName()
{
    return QStringLiteral("Archivio_Candidati.pro");
}

QString path()
{
    return ProgramFolder::file(fileName());
}

QString photoFolder()
{
    return ProgramFolder::file(QStringLiteral("Anagrafica"));
}

QString photoFileName(qint64 position)
{
    return QStringLiteral("Scheda_Candidato_") + QString::number(position) + QStringLiteral(".jpg");
}

QString photoPath(qint64 position)
{
    return photoFolder() + QLatin1Char('/') + photoFileName(position);
}

} // namespace CandidateArchive
