// The candidate's photo on the whole screen; a click on it closes the window.
#pragma once

#include <QDialog>

class PhotoBox;
class QFrame;

class TfrmZoom : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmZoom(QWidget* parent = nullptr);

    QFrame* panContainer;
    PhotoBox* imgFoto;

    // The picture area for a screen of that size: 60 pixels narrower and 90
    // lower, so the photo fills most of the screen.
    static QSize areaFor(const QSize& screen);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void FormShow();
    void imgFotoClick();
    void panContainerClick();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void centre();
};
