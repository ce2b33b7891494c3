// The start-up baseline: a one-window Qt Widgets program that shows a label
// and ends as soon as its window is on screen.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Selvora"), &window));
    window.show();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        QCoreApplication::processEvents();
        if (window.windowHandle() && window.windowHandle()->isExposed())
            std::_Exit(0);
    }
    return 1;
}
