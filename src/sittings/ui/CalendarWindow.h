// "Calendario colloqui": the day of a session's interviews (date, place,
// start, length, breaks, end), its candidates placed in time slots in the
// chosen order and moved by hand, what clashes or runs over, and the
// calendar invitations of a candidate and of the committee.
#pragma once

#include "sittings/core/SittingCalendar.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace Ui {
class CalendarWindow;
}

class CalendarWindow : public QDialog
{
    Q_OBJECT

public:
    CalendarWindow(const QString& sessionPath, const QString& sessionName, QWidget* parent = nullptr);
    ~CalendarWindow() override;

    QLineEdit* txtData = nullptr;
    QLineEdit* txtLuogo = nullptr;
    QLineEdit* txtInizio = nullptr;
    QLineEdit* txtDurata = nullptr;
    QLineEdit* txtFine = nullptr;
    QComboBox* cboOrdine = nullptr;
    QLineEdit* txtLettera = nullptr;
    QTableWidget* grdPause = nullptr;
    QPushButton* btnAggiungiPausa = nullptr;
    QPushButton* btnEliminaPausa = nullptr;
    QTableWidget* grdColloqui = nullptr;
    QLabel* lblProblemi = nullptr;
    QPushButton* btnDisponi = nullptr;
    QPushButton* btnInvito = nullptr;
    QPushButton* btnCommissione = nullptr;
    QPushButton* btnSalva = nullptr;
    QPushButton* btnChiudi = nullptr;

    const SittingCalendar& calendar() const { return m_calendar; }

public slots:
    bool btnSalvaClick();
    void btnDisponiClick();

protected:
    // A calendar typed and not stored is not lost without a question.
    void reject() override;

private slots:
    void btnInvitoClick();
    void btnCommissioneClick();
    void showIssues();

private:
    void showCalendar(const SittingCalendar& calendar);
    void showInterviews(const QList<CalendarSlot>& interviews);
    // The calendar as typed; false with the message when a value cannot be
    // read.
    bool fromControls(SittingCalendar* calendar, QString* message) const;
    bool saveIcs(const QString& proposedName, const QByteArray& bytes);

    std::unique_ptr<Ui::CalendarWindow> m_ui;
    QString m_session;
    QString m_name;
    SittingCalendar m_calendar;
    bool m_stored = false; // the side file holds m_calendar
    bool m_filling = false;
};
