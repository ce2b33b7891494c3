// The date picker: a month calendar whose chosen date is announced, as text,
// to the window that opened it, when the caller's tag asks for a date.
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

signals:
    // The chosen date as dd/mm/yyyy, when "Importa" is pressed.
    void dateChosen(const QString& text);

private slots:
    void btnImportaDataClick();
    void btnAnnullaClick();
};
