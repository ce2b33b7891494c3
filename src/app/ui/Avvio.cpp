#include "app/ui/Avvio.h"

#include "app/ui/Info.h"
#include "app/ui/Splash.h"
#include "app/ui/Windows.h"
#include "base/core/AccessMode.h"
#include "base/core/Product.h"
#include "base/platform/Modal.h"
#include "base/platform/OpenURL.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "safety/ui/BackupCommands.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "shared/ui/Help.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/WriteGuard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

QLabel* entryPicture(QWidget* parent, const QString& name, const QString& icon, const QString& caption)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(selvoraIcon(icon).pixmap(120, 120));
    picture->setAlignment(Qt::AlignCenter);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setAccessibleName(caption);
    picture->setToolTip(caption);
    picture->setMinimumSize(220, 150);
    picture->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 2px solid #4682B4; border-radius: 8px; }"));
    return picture;
}

PictureButton* entryCaption(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new PictureButton(name, QString(), caption, caption, parent);
    button->setAutoRaise(false);
    button->setMinimumSize(220, 36);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    button->setStyleSheet(QStringLiteral("QToolButton { background: #4682B4; color: white; border-radius: 4px; }"
                                         "QToolButton:hover { background: #5A9BD4; }"
                                         "QToolButton:disabled { background: #A9BCCD; color: #E8EEF3; }"));
    button->setToolTip(caption);
    return button;
}

PictureButton* smallPicture(QWidget* parent, const QString& name, const QString& icon, const QString& what)
{
    auto* button = new PictureButton(name, icon, QString(), what, parent);
    button->setIconSize(QSize(36, 36));
    button->setToolTip(what);
    return button;
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Selvora"));
    setWindowIcon(selvoraIcon(QStringLiteral("users")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    QLinearGradient gradient(0, 0, 0, 800);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(0xBF, 0xD8, 0xEF));
    pal.setBrush(QPalette::Window, gradient);
    setPalette(pal);

    imgApp01 =
        entryPicture(this, QStringLiteral("imgApp01"), QStringLiteral("users"), QStringLiteral("ARCHIVIO CANDIDATI"));
    imgApp02 = entryPicture(this, QStringLiteral("imgApp02"), QStringLiteral("folder-plus"),
                            QStringLiteral("CREA NUOVA SESSIONE"));
    imgApp03 = entryPicture(this, QStringLiteral("imgApp03"), QStringLiteral("folder-open"),
                            QStringLiteral("APRI SESSIONE ESISTENTE"));
    imgApp04 = entryPicture(this, QStringLiteral("imgApp04"), QStringLiteral("trophy"),
                            QStringLiteral("VISUALIZZA GRADUATORIE"));
    btnApp01 = entryCaption(this, QStringLiteral("btnApp01"), QStringLiteral("ARCHIVIO CANDIDATI"));
    btnApp02 = entryCaption(this, QStringLiteral("btnApp02"), QStringLiteral("CREA NUOVA SESSIONE"));
    btnApp03 = entryCaption(this, QStringLiteral("btnApp03"), QStringLiteral("APRI SESSIONE ESISTENTE"));
    btnApp04 = entryCaption(this, QStringLiteral("btnApp04"), QStringLiteral("VISUALIZZA GRADUATORIE"));

    imgInfo = smallPicture(this, QStringLiteral("imgInfo"), QStringLiteral("info"),
                           QStringLiteral("Informazioni su Selvora"));
    imgGuida = smallPicture(this, QStringLiteral("imgGuida"), QStringLiteral("circle-help"),
                            QStringLiteral("Guida: uno sguardo a Selvora"));
    imgCopyright = smallPicture(this, QStringLiteral("imgCopyright"), QStringLiteral("copyright"),
                                QStringLiteral("Riconoscimenti"));
    imgEsci =
        smallPicture(this, QStringLiteral("imgEsci"), QStringLiteral("power"), QStringLiteral("Esci dal programma"));
    icoSito = new PictureButton(QStringLiteral("icoSito"), QStringLiteral("globe"),
                                Product::Maker + QStringLiteral(" - ") + Product::WebSite,
                                QStringLiteral("Sito web di ") + Product::Maker, this);
    icoSito->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    icoSito->setIconSize(QSize(22, 22));
    icoSito->setFont(QFont(QStringLiteral("Tahoma"), 10));
    icoSito->setToolTip(Product::WebSite);

    auto* title = new QLabel(QStringLiteral("Selvora"), this);
    title->setObjectName(QStringLiteral("titAvvio"));
    title->setFont(QFont(QStringLiteral("Verdana"), 28, QFont::Bold));
    title->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    title->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(QStringLiteral("Gestione candidati e colloqui di lavoro"), this);
    subtitle->setFont(QFont(QStringLiteral("Verdana"), 12));
    subtitle->setAlignment(Qt::AlignCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(imgInfo);
    top->addStretch();
    top->addWidget(imgGuida);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(6);
    QLabel* pictures[] = {imgApp01, imgApp02, imgApp03, imgApp04};
    PictureButton* captions[] = {btnApp01, btnApp02, btnApp03, btnApp04};
    for (int i = 0; i < 4; ++i) {
        const int row = (i / 2) * 2;
        const int col = i % 2;
        grid->addWidget(pictures[i], row, col);
        grid->addWidget(captions[i], row + 1, col);
        grid->setRowMinimumHeight(row + 1, 50);
        pictures[i]->installEventFilter(this);
        connect(captions[i], &QToolButton::clicked, this, [this, i] { openEntry(i + 1); });
    }

    btnBackup = new QPushButton(QStringLiteral("&Backup"), this);
    btnBackup->setObjectName(QStringLiteral("btnBackup"));
    btnBackup->setToolTip(QStringLiteral("Salva una copia di tutti i dati in un file zip."));
    btnRipristina = new QPushButton(QStringLiteral("&Ripristina"), this);
    btnRipristina->setObjectName(QStringLiteral("btnRipristina"));
    btnRipristina->setToolTip(QStringLiteral("Rimette i dati salvati in un backup al posto di quelli attuali."));
    btnPromemoria = new QPushButton(QStringLiteral("&Promemoria backup..."), this);
    btnPromemoria->setObjectName(QStringLiteral("btnPromemoria"));
    btnPromemoria->setToolTip(QStringLiteral("Sceglie dopo quanti giorni senza backup ricordarlo all'uscita."));
    for (QPushButton* b : {btnBackup, btnRipristina, btnPromemoria}) {
        b->setAutoDefault(false);
        b->setAccessibleDescription(b->toolTip());
    }
    auto* dataRow = new QHBoxLayout;
    dataRow->addStretch();
    dataRow->addWidget(btnBackup);
    dataRow->addWidget(btnRipristina);
    dataRow->addWidget(btnPromemoria);
    dataRow->addStretch();
    connect(btnBackup, &QPushButton::clicked, this, [this] { BackupCommands::backup(this); });
    connect(btnRipristina, &QPushButton::clicked, this, [this] { BackupCommands::restore(this); });
    connect(btnPromemoria, &QPushButton::clicked, this, [this] { BackupCommands::reminderSettings(this); });
    WriteGuard::mark({imgApp02, btnApp02, btnRipristina, btnPromemoria});

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgCopyright);
    bottom->addStretch();
    bottom->addWidget(icoSito);
    bottom->addStretch();
    bottom->addWidget(imgEsci);

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addLayout(grid);
    centre->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch();
    layout->addLayout(centre);
    layout->addStretch();
    layout->addLayout(dataRow);
    layout->addLayout(bottom);

    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgCopyright, &QToolButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(icoSito, &QToolButton::clicked, this, &TfrmAvvio::icoSitoClick);
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);

    resize(900, 680);
    // A screen window: shown maximised whoever shows it.
    setWindowState(Qt::WindowMaximized);
}

bool TfrmAvvio::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == imgApp01)
            openEntry(1);
        else if (watched == imgApp02)
            openEntry(2);
        else if (watched == imgApp03)
            openEntry(3);
        else if (watched == imgApp04)
            openEntry(4);
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmAvvio::openEntry(int entry)
{
    QWidget* target = nullptr;
    switch (entry) {
    case 1:
        target = Windows::candidati();
        break;
    case 2:
        // The picture reacts to clicks even when disabled.
        if (AccessMode::readOnly())
            return;
        target = Windows::creaArchivio();
        break;
    case 3:
        target = Windows::apriArchivio();
        break;
    case 4:
        target = Windows::apriClassifica();
        break;
    default:
        return;
    }
    if (!target)
        return;
    target->showMaximized();
    hide();
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    // Closing the launcher ends the program, although the login window (the
    // main window) still exists, hidden.
    if (!BackupCommands::confirmExit(this)) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void TfrmAvvio::imgInfoClick()
{
    std::unique_ptr<TfrmInfo> dialog(new TfrmInfo(this));
    Modal::run(dialog.get());
}

void TfrmAvvio::imgGuidaClick()
{
    Help::showTopic(this, QStringLiteral("Uno sguardo a Selvora"));
}

void TfrmAvvio::imgCopyrightClick()
{
    std::unique_ptr<TfrmSplash> dialog(new TfrmSplash(this));
    Modal::run(dialog.get());
}

void TfrmAvvio::icoSitoClick()
{
    TMisc::Open(Product::WebSite);
}

void TfrmAvvio::imgEsciClick()
{
    if (!BackupCommands::confirmExit(this))
        return;
    QApplication::quit();
}
