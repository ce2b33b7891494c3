// The date picker: a month calendar whose chosen date goes, as text, into the
// field the caller names through its tag.
#pragma once

#include <QDialog>

class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;

class TfrmCalendario : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    QFrame* bkgCalendario;
    QLabel* infCalendario;
    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
    // Hidden: where the date goes ("torneo_email": the interview date).
    QLabel* lblMemory;

private slots:
    void btnImportaDataClick();
    void btnAnnullaClick();
};
