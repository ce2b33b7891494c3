// The card templates: one A4 portrait sheet showing one card in fixed boxes.
// The interview card has a print copy and a preview copy that differ only in
// two caption widths; the candidate card has one template for both, with the
// photo above the data. Filling sets each box from the card window's text,
// trimmed, and never lets bracket expressions or word wrap change what was
// typed (the interview details alone wrap).
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace CardTemplates {

// --- interview card ----------------------------------------------------------

enum class InterviewCopy
{
    Print,
    Preview
};

// Report names stored with the templates.
QString interviewPrintName(); // "Candidato ed esame"
QString interviewPreviewName(); // "Candidato e colloquio"

// A4 portrait, no margins: positions are measured from the paper's corner.
std::unique_ptr<Report> interviewCard(InterviewCopy copy);

// What the interview card window shows, as it stands on screen.
struct InterviewCard
{
    QString sessione; // the session name label
    QString posizione; // the position label, empty for a card not stored
    QString concorrente; // candidate
    QString responsabile; // fiscal code
    QString telefono; // origin
    QString email; // interview date
    QString gare; // interview details, several lines
    QString punteggio; // total score
    QString note;
};

// Portrait; "lblNome" and "txtPagina" ("p. " and the position), then the
// seven value boxes in the window's field order, each trimmed of leading and
// trailing characters with codes up to 32.
void fillInterviewCard(Report& report, const InterviewCard& card);

// --- candidate card ----------------------------------------------------------

QString candidateName(); // "Scheda Candidato"

// A4 portrait, 10 mm margins: positions are measured from the corner of the
// printable area.
std::unique_ptr<Report> candidateCard();

// The 25 value boxes in the order they are filled (the card window's field
// order); each bears the name of the card window's field it shows.
QStringList candidateValueBoxes();

struct CardValue
{
    QString box;
    QString text;
};

// Portrait; the photo into "imgLogo"; each value, trimmed, into its box in
// the order given. A photo that cannot be copied into the template (too big
// for the memory at hand) is a failure: ReportError, as a missing box is.
void fillCandidateCard(Report& report, const QImage& photo, const QList<CardValue>& values);

// The picture the candidate print windows fall back on when the photo of
// the card window cannot be copied: a neutral frame with a crossed-out
// camera, 307 x 394 pixels like the blank photo.
QImage standByPicture();

} // namespace CardTemplates
