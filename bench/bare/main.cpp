// The start-up baseline: the least a Qt Widgets program does to put a main window of Quorvis's size on screen
// in the same style (a menu bar with one entry over a 524 x 362 central area, Fusion). Nothing else.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bench_bare"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    auto *central = new QWidget;
    central->setFixedSize(524, 362);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
