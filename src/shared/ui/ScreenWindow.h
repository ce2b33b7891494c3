// Base of the working screen windows (candidate archive, new session, session
// list, interview cards, ranking chooser): one instance for the whole run,
// shown and hidden. Closing one, by its exit command or its title bar, hides
// it and says so (the window registry then shows the launcher again).
#pragma once

#include <QWidget>

class QLabel;

class ScreenWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenWindow(QWidget* parent = nullptr);

signals:
    // The window was closed and nothing else is shown in its place.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Where closing leads; the launcher unless a window says otherwise.
    virtual void afterClose();
};

// An invisible label through which a caller tells a window its mode, file,
// card position or session name.
QLabel* makeHiddenLabel(QWidget* parent, const QString& objectName);
