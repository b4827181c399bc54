// The main and result windows against their layout tables: every control's place and size (in twips of
// 1/1440 inch, 15 to a pixel), colours and font, read from the live widgets. Also renders both windows to PNG
// (set QUORVIS_SHOTS to a directory) at scale 1 and 2.
#include "LayoutCheck.h"
#include "Program.h"
#include "ProgramFacts.h"
#include "SiteAddresses.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

// Transcribed from the layout tables.
const LayoutRow Rows[] = {
    // window  name          left  top   width height fore       back       family     pt    bold   under auto
    {"main", "cmdProceed", 0, 4200, 7860, 585, "", "#C0C0C0", "Verdana", 8.25, true, false, false},
    {"main", "Frame2", 0, 0, 7860, 615, "", "#3E1894", "", 0, false, false, false},
    {"main", "Label61", 120, 135, 7680, 585, "#FF0000", "", "Verdana", 9, true, true, false},
    {"main", "Frame1", 0, 600, 7860, 3495, "", "#3E1894", "", 0, false, false, false},
    {"main", "Frame3", 120, 1320, 7600, 2055, "#FFFFFF", "#3E1894", "Verdana", 8.25, true, false, false},
    {"main", "cmbTime", 2520, 840, 2175, 330, "#FFFF80", "#3E1894", "Verdana", 9, true, false, false},
    {"main", "cmbYear", 5040, 1560, 1095, 330, "#FFFF80", "#3E1894", "Verdana", 9, true, false, false},
    {"main", "cmbMonth", 3360, 1560, 1575, 330, "#FFFF80", "#3E1894", "Verdana", 9, true, false, false},
    {"main", "cmbDate", 2520, 1560, 735, 330, "#FFFF80", "#3E1894", "Verdana", 9, true, false, false},
    {"main", "txtName", 2520, 240, 3615, 375, "#FFFF80", "#3E1894", "Verdana", 9, true, false, false},
    {"main", "Label7", 960, 915, 1425, 195, "#FFFF80", "", "Verdana", 8.25, true, false, true},
    {"main", "Label6", 5400, 1320, 390, 195, "#FFFF80", "", "Verdana", 8.25, false, true, true},
    {"main", "Label5", 3840, 1320, 510, 195, "#FFFF80", "", "Verdana", 8.25, false, true, true},
    {"main", "Label4", 2640, 1320, 405, 195, "#FFFF80", "", "Verdana", 8.25, false, true, true},
    {"main", "Label3", 960, 1680, 1395, 195, "#FFFF80", "", "Verdana", 8.25, true, false, true},
    {"main", "Label1", 960, 360, 705, 195, "#FFFF80", "", "Verdana", 8.25, true, false, true},
    {"main", "Label9", 1125, 1080, 5610, 210, "#FFFF80", "", "Verdana", 9, true, false, true},
    {"main", "Label8", 210, 195, 7575, 855, "#FFFFFF", "#3E1894", "Verdana", 8.25, true, false, false},
    {"main", "Frame5", 0, 160, 7860, 855, "", "#AAB9E1", "", 0, false, false, false},
    {"main", "cmdExit", 6480, 240, 1260, 465, "", "#C0C0C0", "Verdana", 8.25, true, false, false},
    {"main", "lblFullBrand", 38, 4800, 7785, 615, "#FF0000", "#3E1894", "Verdana", 8.25, true, true, false},
    {"main", "lblCobrand", 38, 4800, 7785, 615, "#FF0000", "#3E1894", "Verdana", 8.25, true, true, false},

    {"display", "Frame2", 0, 0, 10095, 735, "", "#3E1894", "", 0, false, false, false},
    {"display", "Label61", 0, 160, 10440, 585, "#FF0000", "", "Verdana", 9, true, true, false},
    {"display", "Frame1", 0, 720, 10095, 3735, "#FF0000", "#3E1894", "Verdana", 9.75, true, false, false},
    {"display", "picSign", 6960, 360, 3030, 3030, "", "", "", 0, false, false, false},
    {"display", "lblNadirDesc", 240, 2040, 6495, 1335, "#FFFFFF", "", "Verdana", 8.25, true, false, false},
    {"display", "Label18", 2340, 840, 2055, 195, "#FFFFC0", "", "Verdana", 8.25, true, true, true},
    {"display", "lblYourNadirSign", 2475, 1200, 1800, 240, "#FFFFFF", "", "Verdana", 9.75, true, false, true},
    {"display", "Frame5", 0, 4440, 10095, 855, "", "#3E1894", "", 0, false, false, false},
    {"display", "cmdExit", 7440, 240, 1260, 465, "", "#C0C0C0", "Verdana", 8.25, true, false, false},
    {"display", "cmdBack", 8760, 240, 1260, 465, "", "#C0C0C0", "Verdana", 8.25, true, false, false},
    {"display", "lblFullBrand", 120, 165, 6105, 615, "#FF0000", "#3E1894", "Verdana", 8.25, true, true,
     false},
    {"display", "lblCobrand", 120, 160, 6105, 615, "#FF0000", "#3E1894", "Verdana", 8.25, true, true, false},
};

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;
    QMainWindow *window(const QString &which)
    {
        if (which == QLatin1String("main"))
            return program->existingMainWindow();
        return program->existingDisplayWindow();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        program = std::make_unique<Program>();
        program->mainWindow().show();
        askForReading(&program->mainWindow());
        program->mainWindow().show(); // both on screen for the comparison
    }
    void cleanupTestCase()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void windows_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QSize>("inner");
        QTest::newRow("main") << "main" << QSize(px(7860), px(5430));
        QTest::newRow("display") << "display" << QSize(px(10095), px(5295));
    }
    void windows()
    {
        QFETCH(QString, which);
        QFETCH(QSize, inner);
        QMainWindow *w = window(which);
        QCOMPARE(w->centralWidget()->size(), inner);
        QCOMPARE(w->windowTitle(), QString::fromUtf8(ProgramTitle));
        QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed border
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        QTRY_VERIFY(!w->windowIcon().isNull()); // set once the event loop runs
        QCOMPARE(w->centralWidget()->palette().color(QPalette::Window), QColor("#3E1894"));
        QVERIFY(w->centralWidget()->autoFillBackground());
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY(qAbs(w->frameGeometry().center().x() - screen.center().x()) <= 2);
    }

    void controls_data() { addLayoutRows(Rows); }
    void controls()
    {
        QFETCH(int, row);
        const LayoutRow &r = Rows[row];
        QWidget *w = window(QLatin1String(r.in))->findChild<QWidget *>(QLatin1String(r.name));
        QVERIFY(w);
        const QString problem = layoutMismatch(w, r);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QRect g = w->geometry();
        const int designWidth = px(r.width);
        // The sign name's design width held a placeholder; the other labels' held their own text.
        if (r.sizesToText && QLatin1String(r.name) != QLatin1String("lblYourNadirSign"))
            QVERIFY2(qAbs(g.width() - designWidth) <= designWidth / 5 + 4,
                     qPrintable(QStringLiteral("%1 vs %2").arg(g.width()).arg(designWidth)));
        if (QLatin1String(r.name) == QLatin1String("picSign"))
            QCOMPARE(g.size(), QSize(202, 202)); // 200 x 200 picture and its border
    }

    // Earlier in a table lies in front; frames and buttons lie in front of labels; the covered strip is
    // unseen.
    void stacking()
    {
        frmMain *main = program->existingMainWindow();
        QWidget *central = main->centralWidget();
        auto at = [central](const char *name) {
            QWidget *w = central->findChild<QWidget *>(QLatin1String(name));
            return w->mapTo(central, w->rect().center());
        };
        QWidget *covered = central->findChild<QWidget *>("cmdExit");
        QVERIFY(central->childAt(at("cmdExit")) != covered);
        QWidget *frame5 = central->findChild<QWidget *>("Frame5");
        const QPoint inFrame5 = frame5->geometry().topLeft() + QPoint(5, 5);
        QVERIFY(!frame5->isAncestorOf(central->childAt(inFrame5)) && central->childAt(inFrame5) != frame5);

        frmDisplay *display = program->existingDisplayWindow();
        QWidget *full = display->findChild<QWidget *>("lblFullBrand");
        QWidget *strip = display->findChild<QWidget *>("Frame5");
        QCOMPARE(strip->childAt(full->geometry().center()), full);
    }

    void texts()
    {
        frmMain *main = program->existingMainWindow();
        auto text = [](QWidget *w, const char *name) {
            QWidget *c = w->findChild<QWidget *>(QLatin1String(name));
            if (auto *l = qobject_cast<QLabel *>(c))
                return l->text();
            if (auto *b = qobject_cast<QAbstractButton *>(c))
                return b->text();
            if (auto *g = qobject_cast<QGroupBox *>(c))
                return g->title();
            return QString();
        };
        const QString cobrand = QStringLiteral(
            "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
            "site's name "
            "&  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
        const QString full =
            QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                           "money online. Get this software fully branded for your website. Click "
                           "here for more details.");
        QCOMPARE(text(main, "cmdProceed"), QStringLiteral("Find My &Quorvis Sign"));
        QCOMPARE(text(main, "cmdExit"), QStringLiteral("&Exit"));
        QCOMPARE(text(main, "Frame3"), QStringLiteral("Enter Your Details"));
        QCOMPARE(text(main, "Label7"), QStringLiteral("Time Of Birth:-"));
        QCOMPARE(text(main, "Label3"), QStringLiteral("Date Of Birth:-"));
        QCOMPARE(text(main, "Label1"), QStringLiteral("Name:-"));
        QCOMPARE(text(main, "Label9"),
                 QStringLiteral("Enter the Correct Details and Know More about Yourself "));
        QCOMPARE(text(main, "Label8"),
                 QStringLiteral(
                     "Quorvis signifies the beginning and end of a person's life. The Imum Coeli or Nadir "
                     "is the point at the lowest point of the horoscope. This gives you more information "
                     "about what you desire in life related to your personal life, family, children, "
                     "caring and loving. Get your reading now!"));
        QCOMPARE(text(main, "lblFullBrand"), full);
        QCOMPARE(text(main, "lblCobrand"), cobrand);
        QVERIFY(text(main, "Label61").startsWith(QLatin1String("The most popular online discussion board")));
        QVERIFY(
            text(main, "Label61")
                .endsWith(
                    QStringLiteral("Visit %1 Now").arg(QUrl(QString::fromLatin1(MakerSiteAddress)).host())));

        frmDisplay *display = program->existingDisplayWindow();
        QCOMPARE(text(display, "Frame1"), QStringLiteral("Quorvis Result"));
        QCOMPARE(text(display, "Label18"), QStringLiteral("Your Nadir Sign Is In"));
        QCOMPARE(text(display, "cmdExit"), QStringLiteral("&Exit"));
        QCOMPARE(text(display, "cmdBack"), QStringLiteral("&Back"));
        QCOMPARE(text(display, "lblFullBrand"), full);
        QCOMPARE(text(display, "lblCobrand"), cobrand);
        QCOMPARE(text(display, "Label61"), text(main, "Label61"));
        for (QWidget *w : {static_cast<QWidget *>(main), static_cast<QWidget *>(display)})
            for (const char *label : {"lblFullBrand", "lblCobrand", "Label61"})
                QCOMPARE(w->findChild<QWidget *>(label)->cursor().shape(), Qt::PointingHandCursor);
    }

    void render_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("main at 1") << "main" << 1.0;
        QTest::newRow("display at 1") << "display" << 1.0;
        QTest::newRow("main at 2") << "main" << 2.0;
        QTest::newRow("display at 2") << "display" << 2.0;
    }
    void render()
    {
        QFETCH(QString, which);
        QFETCH(qreal, scale);
        QMainWindow *w = window(which);
        const QImage image = renderAt(w, scale);
        QCOMPARE(image.size(), w->size() * scale);
        // The violet ground is painted: sample a point of the central area that holds no control.
        QCOMPARE(QColor(image.pixel(QPoint(2, w->height() - 3) * scale)).name(), QStringLiteral("#3e1894"));
        QVERIFY(keepShot(image, which));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
