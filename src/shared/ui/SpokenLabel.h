// A label whose text changes (a card's position, the session name, the
// information bar, the calculator display) and is told to a screen reader as
// it stands: its accessible name is built from the text shown at the moment
// it is asked for, and each change of the text is announced.
#pragma once

#include <QLabel>

class SpokenLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    Q_PROPERTY(QString whenEmpty READ whenEmpty WRITE setWhenEmpty)

public:
    // The name is prefix followed by the text shown (as plain text), or
    // whenEmpty while the label shows nothing.
    explicit SpokenLabel(QWidget* parent = nullptr, const QString& prefix = QString(),
                         const QString& whenEmpty = QString());

    QString prefix() const { return m_prefix; }
    void setPrefix(const QString& prefix) { m_prefix = prefix; }
    QString whenEmpty() const { return m_whenEmpty; }
    void setWhenEmpty(const QString& whenEmpty) { m_whenEmpty = whenEmpty; }

    // What a screen reader hears for the label now.
    QString spokenName() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_prefix;
    QString m_whenEmpty;
    QString m_announced;
};
