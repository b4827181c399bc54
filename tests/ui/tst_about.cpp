// The About window: it opens modally and every way of closing it ends the same way; its two labels open their
// pages and leave it open; its controls sit where the design puts them, in its colours and fonts.
#include "LayoutCheck.h"
#include "ProgramFacts.h"
#include "TestSupport.h"

#include "LinkLabel.h"
#include "SiteAddresses.h"
#include "frmAbout.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <functional>

namespace {

// The About window's layout table.
QList<LayoutRow> rows()
{
    const QString description = QStringLiteral("Quorvis signifies the beginning and end of a person's life. "
                                               "The Imum Coeli or Nadir is the point at the "
                                               "lowest point of the horoscope. This gives you more "
                                               "information about what you desire in life related to "
                                               "your personal life, family, children, caring and loving. "
                                               "This is what makes you comfortable in life. This "
                                               "stands for security and stability.");
    const QString offer =
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website.");
    const QString home = QStringLiteral("Click here to visit ") + QLatin1String(MakerSiteAddress);
    // clang-format off
    return {
        // in        name           left  top   width height fore       back       family     pt    bold   under  auto   text
        {"frmAbout", "picIcon",     150,  150,  510,  510,   "",        "",        "",        0,    false, false, false, {}},
        {"frmAbout", "cmdOK",       4950, 3600, 1260, 345,   "",        "#C0C0C0", "Verdana", 8.25, true,  false, false, "&OK"},
        {"frmAbout", "Label6",      240,  2500, 6015, 555,   "#FFFFFF", "",        "Verdana", 8.25, true,  false, false, offer},
        {"frmAbout", "Label5",      3600, 3120, 2610, 195,   "#FF0000", "",        "Verdana", 8.25, true,  true,  true,  "Click here for more details"},
        {"frmAbout", "lblHomePage", 1560, 2160, 4650, 195,   "#FF0000", "",        "Verdana", 8.25, true,  true,  true,  home},
        {"frmAbout", "Line2",       -60,  3480, 6420, 15,    "",        "#FFFFFF", "",        0,    false, false, false, {}},
        {"frmAbout", "Label2",      960,  300,  2610, 240,   "#FFFFFF", "",        "Verdana", 9.75, true,  false, true,  QString::fromUtf8(ProgramTitle)},
        {"frmAbout", "Label1",      240,  840,  5985, 1215,  "#FFFFFF", "",        "Verdana", 8.25, false, false, false, description},
    };
    // clang-format on
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void cleanup() { QVERIFY2(visibleTopLevels().isEmpty(), "a window was left open"); }

    void closes_data();
    void closes();
    void links_data();
    void links();
    void window();
    void layout_data();
    void layout();
    void stacking();
    void rendering();
};

// Runs `during` once the About window is up in its own modal loop, then makes sure the loop ends.
static int runModal(frmAbout &about, const std::function<void()> &during)
{
    QTimer::singleShot(0, &about, during);
    QTimer::singleShot(5000, &about, [&about] {
        if (about.isVisible())
            about.done(-1); // the action under test did not close it
    });
    return about.exec();
}

void AboutTest::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "click";
    QTest::newRow("Enter on OK") << "enter";
    QTest::newRow("Enter with the icon focused") << "enter-on-icon";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("Alt+O") << "alt-o";
    QTest::newRow("close box") << "close";
}

void AboutTest::closes()
{
    QFETCH(QString, how);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));

    frmAbout about(&owner);
    bool wasModal = false;
    bool activated = false;
    QString focusedAtOpen;
    const int result = runModal(about, [&] {
        wasModal = about.isModal() && QApplication::activeModalWidget() == &about;
        activated = QTest::qWaitFor([&about] { return QApplication::activeWindow() == &about; });
        focusedAtOpen = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
        auto *icon = about.findChild<QLabel *>(QStringLiteral("picIcon"));
        if (how == QLatin1String("click")) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (how == QLatin1String("enter")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (how == QLatin1String("enter-on-icon")) {
            icon->setFocus(Qt::TabFocusReason);
            QTest::keyClick(icon, Qt::Key_Return);
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (how == QLatin1String("alt-o")) {
            QTest::keyClick(&about, Qt::Key_O, Qt::AltModifier);
        } else {
            about.close();
        }
    });

    QVERIFY(wasModal);
    QVERIFY(activated);
    QCOMPARE(focusedAtOpen, QStringLiteral("cmdOK"));
    QCOMPARE(result, int(QDialog::Rejected)); // the same ending for every way out
    QVERIFY(!about.isVisible());
    QVERIFY(owner.isVisible());
    owner.close();
}

void AboutTest::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");
    QTest::newRow("home page") << "lblHomePage" << QString::fromLatin1(MakerSiteAddress);
    QTest::newRow("more details") << "Label5" << QString::fromLatin1(HelpSiteAddress) + "/fully-branded.html";
}

void AboutTest::links()
{
    QFETCH(QString, label);
    QFETCH(QString, page);
    UrlRecorder recorder;
    frmAbout about;
    bool openAfterClicks = false;
    QString cursorProblem;
    runModal(about, [&] {
        auto *link = about.findChild<LinkLabel *>(label);
        if (!link)
            return;
        if (link->cursor().shape() != Qt::PointingHandCursor)
            cursorProblem = QStringLiteral("no hand pointer");
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        openAfterClicks = about.isVisible() && QApplication::activeModalWidget() == &about;
        about.close();
    });
    QVERIFY(openAfterClicks);
    QVERIFY2(cursorProblem.isEmpty(), qPrintable(cursorProblem));
    QCOMPARE(recorder.strings(), QStringList({page, page}));
}

void AboutTest::window()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QString::fromUtf8(ProgramTitle));
    QCOMPARE(about.size(), QSize(423, 267));
    QCOMPARE(about.minimumSize(), about.maximumSize()); // cannot be resized
    const Qt::WindowFlags flags = about.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(about.isModal());
    QTRY_VERIFY(!about.windowIcon().availableSizes().isEmpty());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(0x3E1894));
    QCOMPARE(about.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(about.font().pointSizeF(), 8.25);
    const QPoint screenCentre = about.screen()->availableGeometry().center();
    QVERIFY(qAbs(about.geometry().center().x() - screenCentre.x()) <= 1);
    QVERIFY(qAbs(about.geometry().center().y() - screenCentre.y()) <= 1);
}

void AboutTest::layout_data() { addLayoutRows(rows()); }

void AboutTest::layout()
{
    QFETCH(int, row);
    const LayoutRow r = rows().at(row);
    frmAbout about;
    QWidget *control = about.findChild<QWidget *>(QLatin1String(r.name));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &about);
    QCOMPARE(about.objectName(), QLatin1String(r.in));
    const QString problem = layoutMismatch(control, r);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    auto *label = qobject_cast<QLabel *>(control);
    if (r.sizesToText)
        QVERIFY(control->geometry().right() < about.width());
    if (label && !label->pixmap().isNull()) {
        const QString iconProblem = iconBoxMismatch(label);
        QVERIFY2(iconProblem.isEmpty(), qPrintable(iconProblem));
    } else if (label && !r.text.isEmpty()) {
        // Texts wrap inside their rectangle from its top-left corner, as the design draws them.
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        if (r.underline) // the clickable ones
            QVERIFY(!label->accessibleDescription().isEmpty());
    }
}

void AboutTest::stacking()
{
    // Front to back: the windowed controls in their listed order, then the labels and the line in theirs.
    const QStringList frontToBack = {"picIcon",     "cmdOK", "Label6", "Label5",
                                     "lblHomePage", "Line2", "Label2", "Label1"};
    frmAbout about;
    QStringList backToFront;
    for (QObject *child : about.children())
        if (child->isWidgetType() && frontToBack.contains(child->objectName()))
            backToFront.prepend(child->objectName());
    QCOMPARE(backToFront, frontToBack);

    QCOMPARE(about.focusWidget(), about.findChild<QWidget *>(QStringLiteral("cmdOK")));
    QCOMPARE(about.findChild<QWidget *>(QStringLiteral("cmdOK"))->nextInFocusChain(),
             about.findChild<QWidget *>(QStringLiteral("picIcon")));
}

void AboutTest::rendering()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shot = about.grab().toImage();
    about.close();

    const QString dir = qEnvironmentVariable("QUORVIS_SHOTS");
    if (!dir.isEmpty())
        shot.save(dir + QStringLiteral("/about.png"));

    const auto at = [&shot](int x, int y) { return pixelAt(shot, x, y); };
    QCOMPARE(at(5, 255), QColor(0x3E1894));        // background below the line
    QCOMPARE(at(200, px(3480)), QColor(0xFFFFFF)); // the line runs across the whole window
    QCOMPARE(at(0, px(3480)), QColor(0xFFFFFF));
    QCOMPARE(at(422, px(3480)), QColor(0xFFFFFF));

    const QString iconProblem = iconDrawnMismatch(shot, QPoint(px(150), px(150)));
    QVERIFY2(iconProblem.isEmpty(), qPrintable(iconProblem));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
