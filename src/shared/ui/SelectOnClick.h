// A one-line field whose whole text is selected when a click gives it the
// focus, as Tab already does: typing then replaces a pre-filled value (the
// score's "0,00") instead of landing before or after it.
#pragma once

#include <QObject>

class QLineEdit;

class SelectOnClick : public QObject
{
    Q_OBJECT

public:
    // Watches field for as long as it lives.
    static void install(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectOnClick(QLineEdit* field);

    bool m_clickedIn = false; // the focus came with a click whose press is still to come
};
