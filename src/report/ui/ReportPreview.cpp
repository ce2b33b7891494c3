#include "report/ui/ReportPreview.h"

#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "report/ui/ReportPrinting.h"
#include "shared/ui/DialogFrame.h"
#include "shared/ui/PictureButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVBoxLayout>

ReportPreview::ReportPreview(const Report& report, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmAnteprimaReport"));
    setWindowTitle(QStringLiteral(" Anteprima - %1").arg(report.name()));
    DialogFrame::resizable(this);
    setWindowIcon(selvoraIcon(QStringLiteral("eye")));
    ReportPrinting::applyPageLayout(report, m_printer.get());

    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setStyleSheet(QStringLiteral("#panComandi { background: #e8eef5; border-bottom: 1px solid #9fb6cd; }"));

    const auto button = [bar](const char* name, const char* icon, const QString& caption, const QString& tip) {
        auto* b = new PictureButton(QString::fromLatin1(name), QString::fromLatin1(icon), caption, caption, bar);
        b->setToolTip(tip);
        b->setIconSize(QSize(22, 22));
        return b;
    };
    btnStampa = button("btnStampa", "printer", QStringLiteral("Stampa"), QStringLiteral("Stampa le pagine."));
    btnZoomPiu =
        button("btnZoomPiu", "zoom-in", QStringLiteral("Ingrandisci"), QStringLiteral("Ingrandisce le pagine."));
    btnZoomMeno = button("btnZoomMeno", "zoom-out", QStringLiteral("Riduci"), QStringLiteral("Riduce le pagine."));
    btnLarghezza = button("btnLarghezza", "arrow-left-right", QStringLiteral("Larghezza pagina"),
                          QStringLiteral("Adatta la pagina alla larghezza della finestra."));
    btnPaginaIntera = button("btnPaginaIntera", "file-text", QStringLiteral("Pagina intera"),
                             QStringLiteral("Mostra la pagina intera."));
    btnPrima = button("btnPrima", "chevrons-left", QString(), QStringLiteral("Prima pagina"));
    btnPrecedente = button("btnPrecedente", "chevron-left", QString(), QStringLiteral("Pagina precedente"));
    btnSuccessiva = button("btnSuccessiva", "chevron-right", QString(), QStringLiteral("Pagina successiva"));
    btnUltima = button("btnUltima", "chevrons-right", QString(), QStringLiteral("Ultima pagina"));
    btnSchermoIntero = button("btnSchermoIntero", "maximize", QStringLiteral("Schermo intero"),
                              QStringLiteral("Mostra l'anteprima a schermo intero (F11)."));
    btnChiudi = button("btnChiudi", "x", QStringLiteral("Chiudi"), QStringLiteral("Chiude l'anteprima."));
    for (PictureButton* b : {btnPrima, btnPrecedente, btnSuccessiva, btnUltima})
        b->setAccessibleName(b->toolTip());

    lblPagina = new QLabel(bar);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    lblPagina->setMinimumWidth(120);
    lblPagina->setAlignment(Qt::AlignCenter);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(btnStampa);
    row->addSpacing(12);
    row->addWidget(btnZoomPiu);
    row->addWidget(btnZoomMeno);
    row->addWidget(btnLarghezza);
    row->addWidget(btnPaginaIntera);
    row->addSpacing(12);
    row->addWidget(btnPrima);
    row->addWidget(btnPrecedente);
    row->addWidget(lblPagina);
    row->addWidget(btnSuccessiva);
    row->addWidget(btnUltima);
    row->addStretch();
    row->addWidget(btnSchermoIntero);
    row->addWidget(btnChiudi);

    pvwPagine = new QPrintPreviewWidget(m_printer.get(), this);
    pvwPagine->setObjectName(QStringLiteral("pvwPagine"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(pvwPagine, 1);

    const int buttons = report.previewButtons;
    btnStampa->setVisible(buttons & Report::PreviewPrint);
    for (PictureButton* b : {btnZoomPiu, btnZoomMeno, btnLarghezza, btnPaginaIntera})
        b->setVisible(buttons & Report::PreviewZoom);
    btnSchermoIntero->setVisible(buttons & Report::PreviewFullScreen);
    btnChiudi->setVisible(buttons & Report::PreviewClose);

    connect(pvwPagine, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    connect(pvwPagine, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showPageNumber);
    connect(btnStampa, &QToolButton::clicked, this, &ReportPreview::btnStampaClick);
    connect(btnZoomPiu, &QToolButton::clicked, this, &ReportPreview::btnZoomPiuClick);
    connect(btnZoomMeno, &QToolButton::clicked, this, &ReportPreview::btnZoomMenoClick);
    connect(btnLarghezza, &QToolButton::clicked, this, &ReportPreview::btnLarghezzaClick);
    connect(btnPaginaIntera, &QToolButton::clicked, this, &ReportPreview::btnPaginaInteraClick);
    connect(btnPrima, &QToolButton::clicked, this, [this] {
        pvwPagine->setCurrentPage(1);
        showPageNumber();
    });
    connect(btnPrecedente, &QToolButton::clicked, this, [this] {
        pvwPagine->setCurrentPage(qMax(1, pvwPagine->currentPage() - 1));
        showPageNumber();
    });
    connect(btnSuccessiva, &QToolButton::clicked, this, [this] {
        pvwPagine->setCurrentPage(qMin(pvwPagine->pageCount(), pvwPagine->currentPage() + 1));
        showPageNumber();
    });
    connect(btnUltima, &QToolButton::clicked, this, [this] {
        pvwPagine->setCurrentPage(pvwPagine->pageCount());
        showPageNumber();
    });
    connect(btnSchermoIntero, &QToolButton::clicked, this, &ReportPreview::btnSchermoInteroClick);
    connect(btnChiudi, &QToolButton::clicked, this, &ReportPreview::btnChiudiClick);

    resize(1000, 760);
    setWindowState(windowState() | Qt::WindowMaximized);
    pvwPagine->fitInView();
    showPageNumber();
}

ReportPreview::~ReportPreview() = default;

double ReportPreview::zoom() const
{
    return pvwPagine->zoomFactor();
}

void ReportPreview::paintPages(QPrinter* printer)
{
    ReportPrinting::printTo(m_report, printer);
}

void ReportPreview::showPageNumber()
{
    const int count = m_report.pageCount();
    const int current = qBound(count ? 1 : 0, pvwPagine->currentPage(), count);
    lblPagina->setText(QStringLiteral("Pagina %1 di %2").arg(current).arg(count));
}

void ReportPreview::btnStampaClick()
{
    ReportPrinter::print(this, m_report);
}

void ReportPreview::btnZoomPiuClick()
{
    pvwPagine->zoomIn(1.25);
}

void ReportPreview::btnZoomMenoClick()
{
    pvwPagine->zoomOut(1.25);
}

void ReportPreview::btnLarghezzaClick()
{
    pvwPagine->fitToWidth();
}

void ReportPreview::btnPaginaInteraClick()
{
    pvwPagine->fitInView();
}

void ReportPreview::btnSchermoInteroClick()
{
    m_fullScreen = !m_fullScreen;
    if (m_fullScreen) {
        btnSchermoIntero->setText(QStringLiteral("Finestra"));
        showFullScreen();
    } else {
        btnSchermoIntero->setText(QStringLiteral("Schermo intero"));
        showMaximized();
    }
}

void ReportPreview::btnChiudiClick()
{
    accept();
}

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 && (m_report.previewButtons & Report::PreviewFullScreen)) {
        btnSchermoInteroClick();
        return;
    }
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        btnSchermoInteroClick(); // Esc leaves full screen first
        return;
    }
    QDialog::keyPressEvent(event);
}
