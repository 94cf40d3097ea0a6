// The benchmark's floor: a bare Qt Widgets window of the game's size, with a few widgets and
// three 50 ms timers that run all the time, as any window of this toolkit would.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(446, 220);
    window.setWindowTitle("Baseline");
    auto* label = new QLabel("Baseline", &window);
    label->setGeometry(8, 8, 200, 20);
    auto* text = new QLineEdit("Status", &window);
    text->setGeometry(230, 110, 200, 30);
    (new QListWidget(&window))->setGeometry(230, 50, 100, 56);
    (new QListWidget(&window))->setGeometry(332, 50, 100, 56);
    (new QPushButton("New", &window))->setGeometry(230, 146, 100, 60);
    (new QPushButton("About", &window))->setGeometry(332, 146, 100, 60);

    int ticks = 0;
    for (int i = 0; i < 3; ++i) {
        auto* timer = new QTimer(&window);
        QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer->start(50);
    }
    window.show();
    return app.exec();
}
