// A picture shown fitted into its box with its proportions kept and centred;
// it holds the picture at its own pixel size, whatever the box shows.
#pragma once

#include <QImage>
#include <QWidget>

class FittedPicture : public QWidget
{
    Q_OBJECT

public:
    explicit FittedPicture(const QString& objectName, QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    QImage picture() const { return m_picture; }
    // The rectangle the picture takes inside the box.
    QRect pictureRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};
