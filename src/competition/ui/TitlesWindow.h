// "Titoli di preferenza": what a candidate declared for the tie-breaks, the
// preference titles ticked in the competition's order, the dependent
// children, and the reserves the candidate is entitled to.
#pragma once

#include "competition/core/Competition.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

class TitlesWindow : public QDialog
{
    Q_OBJECT

public:
    TitlesWindow(const QString& candidate, const Competition& competition, const CandidateFacts& facts,
                 QWidget* parent = nullptr);

    QLabel* lblCandidato = nullptr;
    QListWidget* lstTitoli = nullptr;
    QSpinBox* spnFigli = nullptr;
    QListWidget* lstRiserve = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnAnnulla = nullptr;

    // What the boxes say now.
    CandidateFacts facts() const;
};
