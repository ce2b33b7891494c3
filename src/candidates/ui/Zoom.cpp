#include "candidates/ui/Zoom.h"

#include "candidates/ui/PhotoBox.h"

#include <QFrame>
#include <QMouseEvent>
#include <QScreen>

TfrmZoom::TfrmZoom(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->installEventFilter(this);

    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), panContainer);
    imgFoto->setCursor(Qt::PointingHandCursor);
    imgFoto->setAccessibleName(QStringLiteral("Foto del candidato"));
    connect(imgFoto, &PhotoBox::clicked, this, &TfrmZoom::imgFotoClick);
}

QSize TfrmZoom::areaFor(const QSize& screen)
{
    return QSize(screen.width() - 60, screen.height() - 90);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmZoom::FormShow()
{
    const QScreen* s = screen();
    const QSize area = areaFor(s ? s->geometry().size() : QSize(1024, 768));
    // Without a window manager to maximise it, the window still takes the
    // screen, so the picture area is never cut.
    if (s && (width() < area.width() || height() < area.height()))
        setGeometry(s->availableGeometry());
    panContainer->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    centre();
}

void TfrmZoom::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    centre();
}

void TfrmZoom::centre()
{
    panContainer->move((width() - panContainer->width()) / 2, (height() - panContainer->height()) / 2);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panContainer && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        panContainerClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::imgFotoClick()
{
    accept();
}

void TfrmZoom::panContainerClick()
{
    // A click on the picture reaches the panel too; the window is shut once.
    if (isVisible())
        accept();
}
