// A label whose text changes (a card's position, the session name, the
// information bar, the calculator display) and is told to a screen reader as
// it stands: its accessible name is built from the text shown at the moment
// it is asked for, and each change of the text is announced.
#pragma once

#include <QLabel>

class SpokenLabel : public QLabel
{
    Q_OBJECT

public:
    // The name is prefix followed by the text shown (as plain text), or
    // whenEmpty while the label shows nothing.
    explicit SpokenLabel(QWidget* parent = nullptr, const QString& prefix = QString(),
                         const QString& whenEmpty = QString());

    // What a screen reader hears for the label now.
    QString spokenName() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_prefix;
    QString m_whenEmpty;
    QString m_announced;
};
