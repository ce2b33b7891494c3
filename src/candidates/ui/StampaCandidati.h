// The candidate card print window: a small confirmation window that prints
// the card shown in the candidate card window, photo included, as it stands
// on screen (saved or not), on one A4 sheet through the printer dialog. Any
// failure is caught and the message advises a smaller photo.
#pragma once

#include "output/core/CardTemplates.h"
#include "shared/ui/CardPrintWindow.h"

#include <QImage>

#include <memory>

class PhotoBox;
class Report;
class TfrmCandidati;

class TfrmStampaCandidati : public CardPrintWindow
{
    Q_OBJECT

public:
    // parent is the candidate card window whose card is printed.
    explicit TfrmStampaCandidati(QWidget* parent = nullptr);
    ~TfrmStampaCandidati() override;

    // Hidden: the copy of the card's photo taken when the window is shown,
    // and the stand-by picture it falls back on.
    PhotoBox* imgLogo;
    PhotoBox* imgTemp;
    // The candidate card template, report name "Scheda Candidato".
    std::unique_ptr<Report> repDocumento;

    static QString failureMessage();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void btnStampaClick();
    void btnAnnullaClick();
};

namespace StampaCandidati {
// The candidate card window that owns w (or the program's one).
TfrmCandidati* cardWindow(QWidget* w);
// The 25 values of the card as the candidate card window shows them, in the
// order the template is filled.
QList<CardTemplates::CardValue> valuesOnScreen(const TfrmCandidati& candidati);
// The photo box of the card window into imgLogo; the stand-by picture of
// imgTemp when the photo cannot be copied.
void copyPhoto(const PhotoBox* imgFoto, PhotoBox* imgLogo, const PhotoBox* imgTemp);
// A copy of a picture; a null picture when it cannot be made. Tests replace
// it to make the copy fail.
using PhotoCopier = QImage (*)(const QImage&);
void setPhotoCopier(PhotoCopier copier);
// The decorative pictures of the two windows.
PhotoBox* makeHiddenPicture(QWidget* parent, const QString& name);
} // namespace StampaCandidati
