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
