// The interview details: a multi-line field whose limit counts each line
// break as the two characters (CR LF) it takes in the record, so that what
// the field accepts always fits the record whole.
#pragma once

#include <QPlainTextEdit>

class DetailsField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DetailsField(QWidget* parent = nullptr);

    // How many characters of the record the field may fill.
    void setLimit(int limit) { m_limit = limit; }
    int limit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int room() const;

    int m_limit = 0;
};
