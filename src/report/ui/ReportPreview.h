// The report engine's preview window: the prepared pages of a report on
// screen, with print, zoom, full screen and close commands and page
// browsing. Modal; the caller shows it through Modal::run.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class PictureButton;
class Report;

class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(const Report& report, QWidget* parent = nullptr);
    ~ReportPreview() override;

    QPrintPreviewWidget* pvwPagine;
    PictureButton* btnStampa;
    PictureButton* btnZoomPiu;
    PictureButton* btnZoomMeno;
    PictureButton* btnLarghezza;
    PictureButton* btnPaginaIntera;
    PictureButton* btnPrima;
    PictureButton* btnPrecedente;
    PictureButton* btnSuccessiva;
    PictureButton* btnUltima;
    PictureButton* btnSchermoIntero;
    PictureButton* btnChiudi;
    QLabel* lblPagina;

    // The zoom of the pages on screen (1 = actual size).
    double zoom() const;
    bool isFullScreenOn() const { return m_fullScreen; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void btnStampaClick();
    void btnZoomPiuClick();
    void btnZoomMenoClick();
    void btnLarghezzaClick();
    void btnPaginaInteraClick();
    void btnSchermoInteroClick();
    void btnChiudiClick();
    void paintPages(QPrinter* printer);
    void showPageNumber();

private:
    const Report& m_report;
    std::unique_ptr<QPrinter> m_printer;
    bool m_fullScreen = false;
};
