#include "candidates/ui/StampaCandidati.h"

#include "app/ui/Windows.h"
#include "base/platform/Messages.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <stdexcept>

namespace {

QImage plainCopy(const QImage& picture)
{
    return picture.copy();
}

StampaCandidati::PhotoCopier g_copier = plainCopy;

} // namespace

TfrmStampaCandidati::TfrmStampaCandidati(QWidget* parent)
    : CardPrintWindow(Look {QStringLiteral("frmStampaCandidati"), QStringLiteral(" Stampa documento"),
                            QStringLiteral("Stampa"), QStringLiteral("imgStampa"), QStringLiteral("printer"),
                            QStringLiteral("Stampa della scheda del candidato, con la foto, su un foglio A4."), 364,
                            287, QColor(0x42, 0x7A, 0xA8)},
                      parent)
    , imgLogo(StampaCandidati::makeHiddenPicture(this, QStringLiteral("imgLogo")))
    , imgTemp(StampaCandidati::makeHiddenPicture(this, QStringLiteral("imgTemp")))
    , repDocumento(CardTemplates::candidateCard())
{
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaCandidati::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaCandidati::btnAnnullaClick);
}

TfrmStampaCandidati::~TfrmStampaCandidati() = default;

QString TfrmStampaCandidati::failureMessage()
{
    return QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                          "Si consiglia di ridurre le dimensioni della foto.");
}

void TfrmStampaCandidati::showEvent(QShowEvent* event)
{
    CardPrintWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStampaCandidati::FormShow()
{
    try {
        StampaCandidati::copyPhoto(StampaCandidati::cardWindow(this)->imgFoto, imgLogo, imgTemp);
    } catch (...) {
        imgLogo->setPicture(imgTemp->picture());
    }
}

void TfrmStampaCandidati::btnStampaClick()
{
    // Whatever fails, from filling the sheet to printing it, is reported
    // with the advice of a smaller photo; the window closes either way, and
    // so it does when the printer dialog is cancelled.
    try {
        CardTemplates::fillCandidateCard(*repDocumento, imgLogo->picture(),
                                         StampaCandidati::valuesOnScreen(*StampaCandidati::cardWindow(this)));
        repDocumento->prepare();
        ReportPrinter::print(this, *repDocumento);
    } catch (...) {
        Messages::warning(this, failureMessage());
    }
    accept();
}

void TfrmStampaCandidati::btnAnnullaClick()
{
    reject();
}

namespace StampaCandidati {

TfrmCandidati* cardWindow(QWidget* w)
{
    if (auto* candidati = qobject_cast<TfrmCandidati*>(w->parentWidget()))
        return candidati;
    if (TfrmCandidati* candidati = Windows::candidati())
        return candidati;
    throw std::runtime_error("Finestra dell'archivio candidati non disponibile.");
}

QList<CardTemplates::CardValue> valuesOnScreen(const TfrmCandidati& candidati)
{
    QList<CardTemplates::CardValue> values;
    for (const QString& box : CardTemplates::candidateValueBoxes()) {
        // Each box bears the name of the field it shows.
        auto* field = candidati.findChild<QLineEdit*>(box);
        if (!field)
            throw std::runtime_error(("Campo " + box + " non trovato.").toStdString());
        values.append({box, field->text()});
    }
    return values;
}

void copyPhoto(const PhotoBox* imgFoto, PhotoBox* imgLogo, const PhotoBox* imgTemp)
{
    const QImage copy = imgFoto ? g_copier(imgFoto->picture()) : QImage();
    imgLogo->setPicture(copy.isNull() ? imgTemp->picture() : copy);
}

void setPhotoCopier(PhotoCopier copier)
{
    g_copier = copier ? copier : plainCopy;
}

PhotoBox* makeHiddenPicture(QWidget* parent, const QString& name)
{
    auto* box = new PhotoBox(name, parent);
    box->setVisible(false);
    // Both start with the stand-by picture; imgLogo takes the photo's copy
    // when the window is shown.
    box->setPicture(CardTemplates::standByPicture());
    return box;
}

} // namespace StampaCandidati
