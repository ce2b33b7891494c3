// The information bar along the bottom of card and export windows: the
// coloured strip shpInfo holding the white Tahoma 12 text panInfo. Moving the
// mouse over a command shows its one-line description; moving it over the
// window's background empties the bar.
#pragma once

#include <QColor>
#include <QFrame>

class QLabel;

class InfoBar : public QFrame
{
    Q_OBJECT

public:
    InfoBar(const QString& idleText, const QColor& strip, QWidget* parent);

    QLabel* panInfo() const { return m_text; }
    QString text() const;

    // The command shows text in the bar; it also becomes the command's tooltip.
    void describe(QWidget* command, const QString& text);
    // Mouse movement over these widgets empties the bar.
    void clearOver(QWidget* background);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_text;
};
