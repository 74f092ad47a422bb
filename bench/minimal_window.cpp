// The yardstick of the start-up benchmark: the least a Qt program of the same size shows, a main
// window with a menu bar and one label. Usage: zorvek_minimal_window WIDTH HEIGHT
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>

#include "app/first_frame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app::FirstFrameProbe probe(QStringLiteral("Image1"));
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"));
    auto* label = new QLabel(QStringLiteral("Здравствуйте"), &window);
    label->setObjectName(QStringLiteral("Image1"));
    window.setCentralWidget(label);
    window.resize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 720);
    window.show();
    return app.exec();
}
