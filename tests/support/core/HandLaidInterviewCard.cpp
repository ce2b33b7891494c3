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
