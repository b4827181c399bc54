// The start-up baselines.
//
// bench_bare: the least a Qt Widgets program does to put a main window of Quorvis's size on screen in the
// same style (a menu bar with one entry over a 524 x 362 central area, Fusion). Nothing else.
//
// bench_floor (built with BENCH_SAME_LOOK): the same window plus one label in each of the three faces and
// sizes that Quorvis's main window draws its texts in: its Verdana at 8.25 pt bold, 9 pt bold and 8.25 pt,
// with the same narrow stand-ins where Verdana is missing. What Quorvis needs beyond this is its own work;
// what this needs beyond the bare window is the cost of the fonts the layout asks for.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QWidget>
#ifdef BENCH_SAME_LOOK
#include <QFontDatabase>
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QMainWindow window;
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    auto *central = new QWidget;
    central->setFixedSize(524, 362);
#ifdef BENCH_SAME_LOOK
    window.setWindowTitle(QStringLiteral("bench_floor"));
    if (!QFontDatabase::hasFamily(QStringLiteral("Verdana")))
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    const struct
    {
        qreal points;
        bool bold;
        const char *text;
    } looks[] = {
        {8.25, true, "Enter Your Details"}, {9, true, "Find My Nadir Sign"}, {8.25, false, "Name:-"}};
    int top = 16;
    for (const auto &look : looks) {
        auto *label = new QLabel(QString::fromLatin1(look.text), central);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(look.points);
        font.setBold(look.bold);
        label->setFont(font);
        label->adjustSize(); // sized to its text before showing, as Quorvis's labels are
        label->move(16, top);
        top += 32;
    }
#else
    window.setWindowTitle(QStringLiteral("bench_bare"));
#endif
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
