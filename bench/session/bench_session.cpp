// One scripted session of the real program, started and ended the way main() does it, for running under
// valgrind: start-up, a reading, Back, a second reading, the About window, closing the result window (which
// brings up the promotion window) and the promotion window's Close, which ends the program.
// Settings and the lock live in a scratch directory; the stored date is today's, so no reminder comes up.
#include "Program.h"
#include "Scratch.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

template <typename T> T *child(QWidget *window, const char *name)
{
    T *w = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void step(const char *what, bool ok, int &failures)
{
    std::fprintf(stderr, "session: %s: %s\n", what, ok ? "ok" : "FAILED");
    if (!ok)
        ++failures;
}

void read(Program &program, const char *who, int day, int month, int year, int slot)
{
    frmMain &main = program.mainWindow();
    child<QLineEdit>(&main, "txtName")->setText(QLatin1String(who));
    QComboBox *years = child<QComboBox>(&main, "cmbYear");
    years->setCurrentIndex(years->findText(QString::number(year)));
    child<QComboBox>(&main, "cmbMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(&main, "cmbDate")->setCurrentIndex(day - 1);
    child<QComboBox>(&main, "cmbTime")->setCurrentIndex(slot);
    child<QPushButton>(&main, "cmdProceed")->click();
    settle();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir scratch;
    Program::Environment env = bench::ScratchEnvironment(scratch, true);

    // Closes the About window once it is up, and any message box that should not have come.
    int modalsClosed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &app, [&modalsClosed] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++modalsClosed;
            modal->close();
        }
    });

    int failures = 0;
    Program program(env);
    if (!program.StartProgram())
        qFatal("another copy holds the lock");

    QTimer::singleShot(0, &app, [&] {
        settle();
        step("start-up shows the main window",
             program.existingMainWindow() && program.mainWindow().isVisible(), failures);

        read(program, "ANN LEE", 21, 3, 1990, 0);
        frmDisplay *display = program.existingDisplayWindow();
        step("first reading", display && display->isVisible(), failures);

        child<QPushButton>(display, "cmdBack")->click();
        settle();
        step("back", !program.existingDisplayWindow() && program.mainWindow().isVisible(), failures);

        read(program, "JOHN", 1, 8, 1970, 9);
        display = program.existingDisplayWindow();
        step("second reading", display && display->isVisible(), failures);

        closer.start(100);
        child<QAction>(display, "mnuAbout")->trigger();
        closer.stop();
        settle();
        step("about", modalsClosed == 1, failures);

        display->close();
        settle();
        frmPromotion *promotion = program.existingPromotionWindow();
        step("closing the result window brings up the promotion window", promotion && promotion->isVisible(),
             failures);

        child<QPushButton>(promotion, "cmdClose")->click();
        step("exit", program.isExiting(), failures);
    });

    const int code = QApplication::exec();
    step("the event loop ended normally", code == 0, failures);
    return failures == 0 ? 0 : 1;
}
