#include "support/core/HandLaidInterviewCard.h"

#include <cstring>

QByteArray HandLaidInterviewCard::bytes() const
{
    QByteArray r(5865, '\0');
    auto put = [&r](int offset, int width, const QByteArray& b) {
        std::memcpy(r.data() + offset, b.constData(), size_t(qMin<qsizetype>(b.size(), width)));
    };
    put(0, 121, candidato);
    put(121, 121, codiceFiscale);
    put(242, 51, provenienza);
    put(293, 51, data);
    put(344, 5001, dettagli);
    put(5345, 16, punteggio);
    put(5361, 501, note);
    put(5862, 3, idoneo);
    return r;
}

namespace SampleInterviewCards {
HandLaidInterviewCard first()
{
    return {"Mario Rossi", "RSSMRA80A01H501U",    "Roma", "04/03/2024", "Buona presenza.\r\nInglese fluente.", "27,50",
            "Richiamare",  QByteArray("S\xEC", 2)};
}
HandLaidInterviewCard second()
{
    return {"Anna Bianchi", "BNCNNA85T45F205X", "Milano", "05/03/2024", "Nessuna nota", "18,00", "", ""};
}
HandLaidInterviewCard third()
{
    return {"Luca Verdi \xE8", "12345670587", "Napoli", "06/03/2024", "", "9,25", "Visto", "No"};
}
} // namespace SampleInterviewCards
