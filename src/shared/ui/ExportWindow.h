// What the two export windows share: the grid of the record file's cards, the
// export command that writes the grid to the spreadsheet file, the help and
// exit commands and the information bar.
#pragma once

#include "sheets/core/SpreadsheetExport.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStyledItemDelegate>

class InfoBar;
class PictureButton;
class QFrame;
class QLabel;
class QTableView;

// One grid column after "N.": its name, header, width and whether it takes
// typing.
struct ExportGridColumn
{
    QString name;
    QString header;
    int width;
    bool editable;
};

// The grid's contents: "N." (the row number, read-only) and then the values
// of the ExportTable, whose edits never reach the record file.
class ExportGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // hiddenColumns more values per row follow the grid's in the table: they
    // are exported but neither shown nor edited.
    ExportGridModel(const QList<ExportGridColumn>& columns, int hiddenColumns, QObject* parent);

    ExportTable& table() { return m_table; }
    const ExportTable& table() const { return m_table; }

    // Empties the grid, lets fill() add the rows, and shows them.
    void reload(const std::function<void(ExportTable*)>& fill);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ExportGridColumn> m_columns;
    ExportTable m_table;
};

// Cells are edited in a line field whose text reaches the grid at every
// keystroke, so what is typed is exported even while the cell is still open.
class ExportGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class ExportWindow : public QDialog
{
    Q_OBJECT

public:
    struct Design
    {
        QString objectName;
        QString caption;
        QList<ExportGridColumn> grid; // after "N."
        QList<SpreadsheetExport::Column> exported; // one per grid column after "N."
        // Columns the .xlsx and .csv files add at the end, after the exported
        // ones: values loadRecords() puts after the grid's, shown nowhere and
        // left out of the .xls file, whose layout stays as it is.
        QList<SpreadsheetExport::Column> appended;
        QString fileName; // in the program folder
        QString sheetName;
        QString helpTopic;
        int scoreColumn = -1; // the exported column holding the score, if any
    };

    QFrame* panContainer;
    QFrame* shpSfondo;
    QLabel* imgLogo;
    QLabel* icoHand;
    PictureButton* cmdEsporta;
    PictureButton* cmdEsportaXlsx; // "Esporta in Excel (.xlsx)"
    PictureButton* cmdEsportaCsv; // "Esporta in CSV"
    PictureButton* cmdGuida;
    PictureButton* cmdEsci;
    QTableView* grdRecords;
    InfoBar* shpInfo;
    QLabel* panInfo;

    ExportGridModel* model() const { return m_model; }
    // The grid column of that name ("colNum" is 0).
    int column(const QString& name) const;
    // The export file's full path.
    QString exportPath() const;
    // The .xlsx and .csv files beside it: the same name, another extension.
    QString xlsxPath() const;
    QString csvPath() const;

protected:
    ExportWindow(const Design& design, QWidget* parent);

    // Adds one row per card of the record file, in file order. False when
    // the file could not be read (the rows added so far stay): the export
    // then refuses to write a sheet that would miss cards.
    virtual bool loadRecords(ExportTable* table) = 0;

    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void cmdEsportaClick();
    void cmdEsportaXlsxClick();
    void cmdEsportaCsvClick();
    void cmdGuidaClick();
    void cmdEsciClick();

private:
    // Runs one of the .xlsx and .csv writers and tells how it went.
    void exportTo(const QString& path, const std::function<bool(QString* error)>& writer);

    Design m_design;
    ExportGridModel* m_model;
    bool m_shown = false;
    bool m_unreadable = false;
};
