// A picture shown fitted into its box with its proportions kept: the photo
// box of the candidate card (and of the photo zoom). The picture itself is
// kept at its own pixel size; only its drawing is scaled.
#pragma once

#include <QImage>
#include <QWidget>

class PhotoBox : public QWidget
{
    Q_OBJECT

public:
    explicit PhotoBox(const QString& objectName, QWidget* parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    void clear() { setPicture(QImage()); }
    bool isEmpty() const { return m_picture.isNull(); }

    // Where the picture is drawn inside the box.
    QRect pictureRect() const;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};
