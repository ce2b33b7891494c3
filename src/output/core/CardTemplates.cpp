#include "output/core/CardTemplates.h"

#include "base/core/TextRules.h"
#include "report/core/Report.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using ReportUnits::mm;
using ReportUnits::mmRect;

// Web colours of the card sheets.
const QColor kCornflowerBlue(0x64, 0x95, 0xED);
const QColor kLightYellow(0xFF, 0xFF, 0xE0);
const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kRoyalBlue(0x41, 0x69, 0xE1);

const QString kArial = QStringLiteral("Arial");

ShapeView* bar(Report& r, const QString& name, double l, double t, double w, double h, const QColor& fill,
               Band* band = nullptr)
{
    ShapeView* shape = r.addShape(name, mmRect(l, t, w, h), band);
    shape->fill = fill;
    shape->border = QColor(); // no outline
    return shape;
}

// A one-line box that prints its text exactly as given: no wrap (cut at the
// box edge), no bracket expressions, centred in its height.
MemoView* box(Report& r, const QString& name, double l, double t, double w, double h, double points, bool bold,
              const QColor& colour, Band* band = nullptr)
{
    MemoView* memo = r.addMemo(name, mmRect(l, t, w, h), band);
    memo->setFont(kArial, points, bold);
    memo->textColour = colour;
    memo->wordWrap = false;
    memo->allowExpressions = false;
    memo->vAlign = MemoView::VAlign::Center;
    return memo;
}

void line(Report& r, const QString& name, double x1, double y1, double x2, double y2, Band* band = nullptr)
{
    LineView* view = r.addLine(name, QRectF(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2))), band);
    view->colour = Qt::black;
    view->width = 1.0;
}

void setTrimmed(Report& report, const QString& name, const QString& text)
{
    report.memo(name)->setText(TextRules::trimmed(text));
}

// Notes longer than their one-line box: the box shows the lines that fit,
// the caption bar says that they go on, and the rest is printed whole on
// the next page, wrapped at the same width. Short notes stay exactly as
// typed on the one page.
void continueNotes(Report& report, const CardTemplates::InterviewCard& card)
{
    MemoView* txtNote = report.memo(QStringLiteral("txtNote"));
    MemoView* segue = report.memo(QStringLiteral("txtNoteSegue"));
    Band* more = report.band(QStringLiteral("NoteSeguito"));
    const QString note = TextRules::trimmed(card.note);
    const QStringList lines = txtNote->wrapped(note);
    const int fit = qMax(1, txtNote->linesThatFit());
    if (lines.size() <= fit) {
        segue->setText(QString());
        more->setVisible(false);
        return;
    }
    txtNote->setLines(lines.mid(0, fit));
    segue->setText(QStringLiteral("continua alla pagina seguente"));
    report.memo(QStringLiteral("lblNomeSeguito"))->setText(TextRules::trimmed(card.sessione));
    report.memo(QStringLiteral("txtPaginaSeguito"))
        ->setText(QStringLiteral("p. ") + TextRules::trimmed(card.posizione));

    // The box, its beige bar and the band grow to the lines they hold.
    MemoView* rest = report.memo(QStringLiteral("txtNoteSeguito"));
    rest->setLines(lines.mid(fit));
    rest->setHeight(rest->lineCount() * rest->linePitch + 2 * rest->gapY);
    ReportObject* shape = report.findObject(QStringLiteral("shpNoteSeguito"));
    shape->setHeight(rest->geometry().bottom() + mm(1.2) - shape->geometry().top());
    more->setHeight(shape->geometry().bottom() + mm(2.0));
    more->setVisible(true);
}

} // namespace

namespace CardTemplates {

QString interviewPrintName()
{
    return QStringLiteral("Candidato ed esame");
}
QString interviewPreviewName()
{
    return QStringLiteral("Candidato e colloquio");
}
QString candidateName()
{
    return QStringLiteral("Scheda Candidato");
}

std::unique_ptr<Report> interviewCard(InterviewCopy copy)
{
    const bool preview = copy == InterviewCopy::Preview;
    auto report = std::make_unique<Report>(preview ? interviewPreviewName() : interviewPrintName());
    Report& r = *report;
    r.setPaperSize(QSizeF(210.0, 297.0));
    r.setOrientation(QPageLayout::Portrait);
    r.setMargins(QMarginsF(0, 0, 0, 0));
    r.previewButtons = Report::PreviewPrint | Report::PreviewZoom | Report::PreviewFullScreen | Report::PreviewClose;

    // The card is the first page; notes too long for their box go on in a
    // band of their own on the next page.
    Band* card = r.addBand(Band::Type::ReportTitle, QStringLiteral("Scheda"), mm(297.0));

    // Above the frame: the session name and the card position.
    box(r, QStringLiteral("lblNome"), 10, 10.4, 169, 3.4, 7, false, Qt::black, card);
    MemoView* txtPagina = box(r, QStringLiteral("txtPagina"), 180, 10.4, 20, 3.4, 7, false, Qt::black, card);
    txtPagina->hAlign = MemoView::HAlign::Right;
    txtPagina->setText(QStringLiteral("p. 00000"));

    // The thin frame round the card.
    line(r, QStringLiteral("linAlto"), 10, 14.8, 200, 14.8, card);
    line(r, QStringLiteral("linBasso"), 10, 289.2, 200, 289.2, card);
    line(r, QStringLiteral("linSinistra"), 10, 15, 10, 289, card);
    line(r, QStringLiteral("linDestra"), 200, 15, 200, 289, card);

    // Captions light yellow bold, values bold white, on cornflower bars.
    bar(r, QStringLiteral("shpConcorrente"), 11, 16, 188, 6, kCornflowerBlue, card);
    box(r, QStringLiteral("titCommittente"), 12, 17.2, 25.4, 3.8, 8, true, kLightYellow, card)
        ->setText(QStringLiteral("CANDIDATO:"));
    box(r, QStringLiteral("txtConcorrente"), 38, 17.2, 159, 3.8, 8, true, Qt::white, card);

    bar(r, QStringLiteral("shpResponsabile"), 11, 23.6, 79, 6, kCornflowerBlue, card);
    box(r, QStringLiteral("titImpresa"), 12, 24.8, 31.4, 3.8, 8, true, kLightYellow, card)
        ->setText(QStringLiteral("CODICE FISCALE:"));
    box(r, QStringLiteral("txtResponsabile"), 44, 24.8, 44, 3.8, 8, true, Qt::white, card);

    bar(r, QStringLiteral("shpTelefono"), 92, 23.6, 107, 6, kCornflowerBlue, card);
    box(r, QStringLiteral("titProvenienza"), 93.2, 24.8, preview ? 28.4 : 27.4, 3.8, 8, true, kLightYellow, card)
        ->setText(QStringLiteral("PROVENIENZA:"));
    if (preview)
        box(r, QStringLiteral("txtTelefono"), 123, 24.8, 74, 3.8, 8, true, Qt::white, card);
    else
        box(r, QStringLiteral("txtTelefono"), 122, 24.8, 75, 3.8, 8, true, Qt::white, card);

    bar(r, QStringLiteral("shpDettagli"), 11, 32, 188, 6, kCornflowerBlue, card);
    box(r, QStringLiteral("titDettagli"), 12, 32.9, 120, 4.2, 9, true, kLightYellow, card)
        ->setText(QStringLiteral("DETTAGLI COLLOQUIO:"));

    // The details: the one box that wraps. It never grows: what does not fit
    // is left off and the card stays on one page. The lines stand a fixed
    // pitch apart, chosen so that a whole number of them (67) fills the box,
    // so that the last line printed is never shown cut in half.
    bar(r, QStringLiteral("shpGare"), 11, 39.8, 188, 223, kBeige, card);
    MemoView* txtGare = r.addMemo(QStringLiteral("txtGare"), mmRect(13, 42, 184, 217.8), card);
    txtGare->setFont(kArial, 8, false);
    txtGare->textColour = Qt::black;
    txtGare->background = kBeige;
    txtGare->wordWrap = true;
    txtGare->allowExpressions = false;
    txtGare->vAlign = MemoView::VAlign::Top;
    txtGare->linePitch = (txtGare->height() - txtGare->gapY) / 67.0;

    bar(r, QStringLiteral("shpEmail"), 11, 266, 104, 6, kCornflowerBlue, card);
    box(r, QStringLiteral("titData"), 12, 267.2, preview ? 31.4 : 32.4, 3.8, 8, true, kLightYellow, card)
        ->setText(QStringLiteral("DATA COLLOQUIO:"));
    if (preview)
        box(r, QStringLiteral("txtEmail"), 44, 267.2, 70, 3.8, 8, true, Qt::white, card);
    else
        box(r, QStringLiteral("txtEmail"), 45, 267.2, 69, 3.8, 8, true, Qt::white, card);

    bar(r, QStringLiteral("shpPunteggio"), 119, 266, 80, 5.8, kCornflowerBlue, card);
    box(r, QStringLiteral("titPunteggio"), 120, 266.8, 32, 4.2, 9, true, kLightYellow, card)
        ->setText(QStringLiteral("Punteggio totale:"));
    MemoView* txtPunteggio = box(r, QStringLiteral("txtPunteggio"), 153, 267.2, 45, 3.8, 8, true, Qt::white, card);
    txtPunteggio->hAlign = MemoView::HAlign::Right;
    txtPunteggio->setText(QStringLiteral("0,00"));

    bar(r, QStringLiteral("shpTitNote"), 11, 275, 188, 5.8, kCornflowerBlue, card);
    box(r, QStringLiteral("titNote"), 12, 275.8, 40, 4.2, 9, true, Qt::white, card)->setText(QStringLiteral("NOTE:"));
    bar(r, QStringLiteral("shpNote"), 11, 281.8, 188, 6, kBeige, card);
    box(r, QStringLiteral("txtNote"), 12, 283, 186, 3.8, 8, false, Qt::black, card);
    // Said in the notes caption bar when the notes go on overleaf.
    MemoView* txtNoteSegue = box(r, QStringLiteral("txtNoteSegue"), 100, 276, 98, 3.8, 8, true, Qt::white, card);
    txtNoteSegue->hAlign = MemoView::HAlign::Right;

    // The rest of the notes, under the session name and the card position
    // again; hidden unless the notes need it.
    Band* more = r.addBand(Band::Type::MasterData, QStringLiteral("NoteSeguito"), mm(30.0));
    more->allowSplit = true;
    more->setVisible(false);
    box(r, QStringLiteral("lblNomeSeguito"), 10, 10.4, 169, 3.4, 7, false, Qt::black, more);
    box(r, QStringLiteral("txtPaginaSeguito"), 180, 10.4, 20, 3.4, 7, false, Qt::black, more)->hAlign =
        MemoView::HAlign::Right;
    bar(r, QStringLiteral("shpTitNoteSeguito"), 11, 16, 188, 5.8, kCornflowerBlue, more);
    box(r, QStringLiteral("titNoteSeguito"), 12, 16.8, 120, 4.2, 9, true, Qt::white, more)
        ->setText(QStringLiteral("NOTE (seguito):"));
    bar(r, QStringLiteral("shpNoteSeguito"), 11, 22.8, 188, 6, kBeige, more);
    MemoView* txtNoteSeguito = box(r, QStringLiteral("txtNoteSeguito"), 12, 24, 186, 3.8, 8, false, Qt::black, more);
    txtNoteSeguito->vAlign = MemoView::VAlign::Top;
    txtNoteSeguito->linePitch = mm(3.6);
    return report;
}

void fillInterviewCard(Report& report, const InterviewCard& card)
{
    report.setOrientation(QPageLayout::Portrait);
    setTrimmed(report, QStringLiteral("lblNome"), card.sessione);
    report.memo(QStringLiteral("txtPagina"))->setText(QStringLiteral("p. ") + TextRules::trimmed(card.posizione));
    setTrimmed(report, QStringLiteral("txtConcorrente"), card.concorrente);
    setTrimmed(report, QStringLiteral("txtResponsabile"), card.responsabile);
    setTrimmed(report, QStringLiteral("txtTelefono"), card.telefono);
    setTrimmed(report, QStringLiteral("txtEmail"), card.email);
    setTrimmed(report, QStringLiteral("txtGare"), card.gare);
    setTrimmed(report, QStringLiteral("txtPunteggio"), card.punteggio);
    setTrimmed(report, QStringLiteral("txtNote"), card.note);
    continueNotes(report, card);
}

namespace {

struct CandidateItem
{
    double top;
    double left;
    double width;
    const char* caption;
    const char* box;
    const char* captionBox;
};

// Caption bars, top to bottom and left to right (millimetres from the
// corner of the printable area).
const CandidateItem kItems[] = {
    {153, 1, 58, "LUOGO DI NASCITA", "txtLuogoNasc", "titLuogoNasc"},
    {153, 61, 32, "DATA DI NASCITA", "txtDataNasc", "titDataNasc"},
    {153, 95, 16, "SESSO", "txtSesso", "titSesso"},
    {153, 113, 76, "INDIRIZZO", "txtIndirizzo", "titIndirizzo"},
    {167, 1, 58, "CITTA'", "txtCitta", "titCitta"},
    {167, 61, 32, "CAP", "txtCap", "titCap"},
    {167, 95, 50, "SETTORE PROFESSIONALE", "txtSettore", "titSettore"},
    {167, 147, 42, "CODICE FISCALE", "txtCodFisc", "titCodFisc"},
    {181, 1, 92, "TITOLO DI STUDIO", "txtStudio", "titStudio"},
    {181, 95, 94, "LINGUE CONOSCIUTE", "txtLingue", "titLingue"},
    {195, 1, 92, "PATENTE DI GUIDA", "txtPatente", "titPatente"},
    {195, 95, 45, "PARTITA IVA", "txtPartitaIva", "titPartitaIva"},
    {195, 142, 47, "CITTADINANZA", "txtCittadinanza", "titCittadinanza"},
    {209, 1, 56, "DOCUMENTO", "txtDocumento", "titDocumento"},
    {209, 59, 44, "ENTE RILASCIO", "txtEnteRil", "titEnteRil"},
    {209, 105, 41, "DATA RILASCIO", "txtInizioTes", "titInizioTes"},
    {209, 148, 41, "DATA SCADENZA", "txtFineTes", "titFineTes"},
    {223, 1, 92, "E-MAIL", "txtEmail", "titEmail"},
    {223, 95, 45, "TEL. CASA", "txtTel", "titTel"},
    {223, 142, 47, "TEL. CELLULARE", "txtCel", "titCel"},
    {237, 1, 92, "COMPETENZE INFORMATICHE", "txtCompetenze", "titCompetenze"},
    {237, 95, 94, "DISPONIBILITA'", "txtDisponibilita", "titDisponibilita"},
    {251, 1, 188, "ESPERIENZE LAVORATIVE", "txtEsperienze", "titEsperienze"},
    {265, 1, 188, "NOTE", "txtNote", "titRaccomandazioni"},
};

} // namespace

std::unique_ptr<Report> candidateCard()
{
    auto report = std::make_unique<Report>(candidateName());
    Report& r = *report;
    r.setPaperSize(QSizeF(210.0, 297.0));
    r.setOrientation(QPageLayout::Portrait);
    r.setMargins(QMarginsF(10, 10, 10, 10));
    r.previewButtons = Report::PreviewPrint | Report::PreviewZoom | Report::PreviewFullScreen | Report::PreviewClose;

    // The name on a royal blue title bar, the photo below it.
    bar(r, QStringLiteral("shpTitolo"), 1, 1, 188, 8, kRoyalBlue);
    MemoView* txtCandidato = box(r, QStringLiteral("txtCandidato"), 2, 2, 186, 6, 12, false, Qt::white);
    txtCandidato->hAlign = MemoView::HAlign::Center;
    txtCandidato->setText(QStringLiteral("Nome"));

    PictureView* imgLogo = r.addPicture(QStringLiteral("imgLogo"), mmRect(1, 11, 188, 140));
    imgLogo->scaling = PictureView::Scaling::KeepAspect;
    imgLogo->centre = true;

    // Each item: a caption bar 4.8 mm high and, 5 mm below its top, an
    // outlined value box 6 mm high, 1 mm in from the bar on either side.
    for (const CandidateItem& item : kItems) {
        MemoView* caption =
            box(r, QString::fromLatin1(item.captionBox), item.left, item.top, item.width, 4.8, 8, true, Qt::white);
        caption->background = kRoyalBlue;
        caption->setText(QString::fromLatin1(item.caption));
        MemoView* value =
            box(r, QString::fromLatin1(item.box), item.left + 1, item.top + 5, item.width - 2, 6, 8, false, Qt::black);
        value->frame.visible = true;
        value->frame.colour = Qt::black;
        value->frame.width = 1.0;
        if (qstrcmp(item.box, "txtSesso") == 0)
            value->hAlign = MemoView::HAlign::Center;
    }
    return report;
}

QStringList candidateValueBoxes()
{
    return {QStringLiteral("txtCandidato"),    QStringLiteral("txtSesso"),      QStringLiteral("txtDataNasc"),
            QStringLiteral("txtCittadinanza"), QStringLiteral("txtLuogoNasc"),  QStringLiteral("txtIndirizzo"),
            QStringLiteral("txtCitta"),        QStringLiteral("txtCap"),        QStringLiteral("txtSettore"),
            QStringLiteral("txtCodFisc"),      QStringLiteral("txtPartitaIva"), QStringLiteral("txtPatente"),
            QStringLiteral("txtStudio"),       QStringLiteral("txtLingue"),     QStringLiteral("txtEmail"),
            QStringLiteral("txtTel"),          QStringLiteral("txtCel"),        QStringLiteral("txtDocumento"),
            QStringLiteral("txtEnteRil"),      QStringLiteral("txtInizioTes"),  QStringLiteral("txtFineTes"),
            QStringLiteral("txtEsperienze"),   QStringLiteral("txtCompetenze"), QStringLiteral("txtDisponibilita"),
            QStringLiteral("txtNote")};
}

void fillCandidateCard(Report& report, const QImage& photo, const QList<CardValue>& values)
{
    report.setOrientation(QPageLayout::Portrait);
    PictureView* imgLogo = report.picture(QStringLiteral("imgLogo"));
    imgLogo->setPicture(photo);
    // The box keeps its own copy; a photo too big to copy would otherwise
    // print as an empty box with no word of it.
    if (!photo.isNull() && imgLogo->picture().isNull())
        throw ReportError(
            QStringLiteral("La foto non può essere copiata nel modello di stampa \"%1\".").arg(report.name()));
    for (const CardValue& value : values)
        setTrimmed(report, value.box, value.text);
}

QImage standByPicture()
{
    QImage image(307, 394, QImage::Format_RGB32);
    image.fill(QColor(0xE8, 0xEE, 0xF4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink(0x8F, 0xA3, 0xB8);
    p.setPen(QPen(ink, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, 291, 378));
    // A camera, crossed out.
    QPainterPath camera;
    camera.addRoundedRect(QRectF(78, 160, 151, 100), 14, 14);
    camera.addRect(QRectF(123, 140, 60, 20));
    p.setPen(QPen(ink, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(camera);
    p.drawEllipse(QPointF(153.5, 210), 28, 28);
    p.drawLine(QPointF(70, 120), QPointF(237, 290));
    p.end();
    return image;
}

} // namespace CardTemplates
