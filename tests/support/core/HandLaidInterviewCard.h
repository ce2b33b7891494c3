// An interview card laid out by hand, independently of the program's own
// encoder: each field's Windows-1252 bytes at its offset in the 5865-byte
// record, zeros after the text. Text longer than its field is cut at the
// field's width (a test of over-long fields lays them out this way).
#pragma once

#include <QByteArray>

struct HandLaidInterviewCard
{
    QByteArray candidato, codiceFiscale, provenienza, data, dettagli, punteggio, note, idoneo;

    QByteArray bytes() const;
};

// Three cards the session tests share: a suitable one with notes over two
// lines, one whose flag is neither "Sì" nor "No", one with a letter beyond
// ASCII and a VAT number in place of the fiscal code.
namespace SampleInterviewCards {
HandLaidInterviewCard first();
HandLaidInterviewCard second();
HandLaidInterviewCard third();
} // namespace SampleInterviewCards
