#include "support/core/SampleCandidateCard.h"

#include <QTest>

void checkSampleRecord(const QByteArray& r)
{
    // The name is stored without the blanks around it.
    QCOMPARE(r.mid(0, 13),
             QByteArray("\x0C"
                        "Bianchi Anna"));
    QCOMPARE(r.mid(51, 2),
             QByteArray("\x01"
                        "F"));
    QCOMPARE(r.mid(287, 6),
             QByteArray("\x05"
                        "Forl\xEC"));
    QCOMPARE(r.mid(1852, 2), QByteArray("\x01n"));
    QCOMPARE(r.mid(2103, 3), QByteArray("\x02\x53\xEC"));
    QCOMPARE(r.mid(2357, 13),
             QByteArray("\x0C"
                        "permesso.pdf"));
    QCOMPARE(quint8(r[3110]), quint8(250));
}
