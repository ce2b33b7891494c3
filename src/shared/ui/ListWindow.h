// The frame the four list windows share (the candidate search, the session
// search, the suitable list and the recontact summary): a window with a
// sorted summary list, its find and print commands, and the hand-over of the
// line double-clicked to the window below.
#pragma once

#include <QColor>
#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Report;
class SummaryList;

namespace RecordSearch {
struct Listing;
}

class ListWindow : public QDialog
{
    Q_OBJECT

public:
    ~ListWindow() override;

    // What tells the list windows apart.
    struct Look
    {
        QString caption;
        QString reportName;
        QColor background; // top of the background gradient
        QString hint; // the double-click hint under the list
        QString instructionsName; // objectName of the instruction picture
        bool searchTabOrder; // the searches' tab order rather than the lists'

        // The look of the lists read whole from a file (the suitable list
        // and the recontact summary): they differ only in their titles.
        static Look list(const QString& caption, const QString& reportName);
    };

    // The result panel.
    QFrame* panContainer = nullptr;
    QLabel* imgLogo = nullptr;
    QLineEdit* txtTrova = nullptr;
    QPushButton* btnTrova = nullptr;
    SummaryList* lstRecords = nullptr;
    QLabel* lblRigo03 = nullptr;
    QPushButton* btnChiudi = nullptr;
    QPushButton* btnStampa = nullptr;
    std::unique_ptr<Report> frxReport;

    // The window that opened a list, when it is of the kind asked for;
    // otherwise the program's own window of that kind.
    template <typename Window>
    static Window* ownerOr(QWidget* owner, Window* fallback)
    {
        if (auto* w = qobject_cast<Window*>(owner))
            return w;
        return fallback;
    }

protected:
    ListWindow(QWidget* parent, const Look& look);

    // A picture, with a short instruction beside it when text is given.
    static QLabel* pictureLabel(QWidget* parent, const QString& name, const char* icon, const QString& text,
                                int iconSize);

    // The instruction picture of the result panel.
    QLabel* instructions() const { return m_instructions; }
    // The row under the list, where the searches put their count.
    QWidget* commandRow() const { return m_commandRow; }

    // The title of the summary print.
    virtual QString printTitle() const = 0;
    // Hands the card of that line to the window below; the window is closed
    // afterwards in every case.
    virtual void handOver(int row) = 0;
    // Runs once, when the window is first shown.
    virtual void FormShow() = 0;
    // The FormShow of the lists read whole from a file: the find is started
    // afresh, the list filled by read (the lines read before a failure are
    // listed all the same), the focus put in the find field, and a failed
    // reading said so rather than shown as a list without lines.
    void showListing(const std::function<bool(RecordSearch::Listing*)>& read);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The last text searched by the find command.
    QString m_lastSearched;

private slots:
    void btnTrovaClick();
    void btnStampaClick();
    void btnChiudiClick();
    void lstRecordsDblClick(int row);

private:
    QLabel* m_instructions = nullptr;
    QWidget* m_commandRow = nullptr;
    bool m_shown = false;
};
