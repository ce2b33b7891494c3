// A window opened again and again from the same owner: made the first time,
// kept (hidden) between openings and shown again, so an opening costs only
// what the window shows, not building it. The owner's children are deleted
// with it, this one included.
#pragma once

#include <QPointer>
#include <QWidget>

template <typename Window>
class KeptWindow
{
public:
    Window* get(QWidget* owner)
    {
        if (!m_window)
            m_window = new Window(owner);
        return m_window.data();
    }

private:
    QPointer<Window> m_window;
};
