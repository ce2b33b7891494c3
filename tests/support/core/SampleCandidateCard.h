// The candidate card the store tests type and store: "  Bianchi Anna ",
// sex "f", city "Forlì", notes "n", to be recontacted, an attachment
// "permesso.pdf" with a 300-letter description. checkSampleRecord compares
// the fields of its 3612-byte record that the typing touched.
#pragma once

#include <QByteArray>

void checkSampleRecord(const QByteArray& r);
