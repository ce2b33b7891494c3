// The window of "Importa candidati da file…": the file's columns matched to
// the card's fields (each match can be changed), a preview of every row with
// its verdict, the import itself and its summary, which can be saved as a
// text report.
#pragma once

#include "candidates/core/CandidateImport.h"
#include "sheets/core/SheetTable.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace Ui {
class ImportWindow;
}

// The preview grid: one line per data row (or only those to check).
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ImportPreviewModel(const SheetTable* table, QObject* parent);

    void setPreview(const QVector<int>& mapping, const CandidateImport::Options& options,
                    const CandidateImport::Preview* preview, bool onlyToCheck);
    // The data row (from 1) shown on a line.
    int dataRow(int line) const { return m_lines.at(line); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TSchedaCandidato& card(int dataRow) const;

    const SheetTable* m_table;
    QVector<int> m_mapping;
    CandidateImport::Options m_options;
    const CandidateImport::Preview* m_preview = nullptr;
    QVector<int> m_lines;
    mutable int m_cachedRow = -1;
    mutable TSchedaCandidato m_cached;
};

class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    // The whole command once a file is chosen: reads it, says what is wrong
    // with it if anything, otherwise runs the window.
    static void importFile(QWidget* parent, const QString& path);

    ImportWindow(const QString& path, const SheetTable& table, bool fromCsv, const QString& fileDescription,
                 const CandidateImport::ArchiveKeys& archive, QWidget* parent);
    ~ImportWindow() override;

    QLabel* lblFile = nullptr;
    QTableWidget* tblColonne = nullptr;
    QLabel* lblAvvisiColonne = nullptr; // columns that look like a field but fill none
    QTableView* tblAnteprima = nullptr;
    QLabel* lblConteggi = nullptr;
    QCheckBox* chkSoloDaControllare = nullptr;
    QCheckBox* chkAvvisi = nullptr;
    QLabel* lblEsito = nullptr;
    QPushButton* btnImporta = nullptr;
    QPushButton* btnResoconto = nullptr;
    QPushButton* btnChiudi = nullptr;

    QComboBox* mappingBox(int column) const;
    const CandidateImport::Preview& preview() const { return m_preview; }
    QVector<int> mapping() const { return m_mapping; }

private slots:
    void mappingChanged();
    void refreshPreview();
    void btnImportaClick();
    void btnResocontoClick();

private:
    void showCounts();

    // The layout, drawn in ImportWindow.ui.
    const std::unique_ptr<Ui::ImportWindow> m_ui;
    QString m_path;
    SheetTable m_table;
    CandidateImport::Options m_options;
    CandidateImport::ArchiveKeys m_archive;
    QVector<int> m_mapping;
    CandidateImport::Preview m_preview;
    CandidateImport::Outcome m_outcome;
    ImportPreviewModel* m_model;
    QList<QComboBox*> m_boxes;
};
