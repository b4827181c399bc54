// The result window: its keyboard (focus on Back, Enter presses the focused button, Esc presses Exit), its
// File menu, and the About window opened over it.
#include "Program.h"
#include "ProgramFacts.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class DisplayWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;
    frmDisplay *display = nullptr;

    template <typename T> T *child(const char *name) const { return childOf<T>(display, name); }
    bool backToMain() const
    {
        return !program->existingDisplayWindow() && program->existingMainWindow() &&
               program->existingMainWindow()->isVisible() && !promotionShown();
    }
    bool closedToPromotion() const
    {
        return !program->existingDisplayWindow() && program->existingMainWindow() &&
               !program->existingMainWindow()->isVisible() && promotionShown();
    }
    bool promotionShown() const
    {
        return program->existingPromotionWindow() && program->existingPromotionWindow()->isVisible();
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void init()
    {
        program = std::make_unique<Program>();
        frmMain &main = program->mainWindow();
        main.show();
        askForReading(&main);
        display = program->existingDisplayWindow();
        QVERIFY(display && display->isVisible());
        display->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(display));
    }

    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void opensWithFocusOnBackAndTabsThroughItsControls()
    {
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("cmdBack"));
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, (QStringList{"cmdExit", "picSign", "cmdBack"}));
        QCOMPARE(display->windowTitle(), QString::fromUtf8(ProgramTitle));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("back");
        QTest::newRow("Back button") << "click:cmdBack" << true;
        QTest::newRow("File, Back") << "menu:mnuFileBack" << true;
        QTest::newRow("Enter on a fresh window") << "enter" << true;
        QTest::newRow("Alt+B") << "alt:B" << true;
        QTest::newRow("Exit button") << "click:cmdExit" << false;
        QTest::newRow("File, Exit") << "menu:mnuExit" << false;
        QTest::newRow("Esc") << "esc" << false;
        QTest::newRow("Enter on Exit") << "focus:cmdExit" << false;
        QTest::newRow("Enter on the picture") << "focus:picSign" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void commands()
    {
        QFETCH(QString, how);
        QFETCH(bool, back);
        const QPointer<frmDisplay> gone(display);
        const QString arg = how.section(QLatin1Char(':'), 1);
        if (how.startsWith(QLatin1String("click:")))
            QTest::mouseClick(child<QPushButton>(qPrintable(arg)), Qt::LeftButton);
        else if (how.startsWith(QLatin1String("menu:")))
            child<QAction>(qPrintable(arg))->trigger();
        else if (how == QLatin1String("enter"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (how == QLatin1String("alt:B"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (how.startsWith(QLatin1String("focus:"))) {
            child<QWidget>(qPrintable(arg))->setFocus();
            QTest::keyClick(child<QWidget>(qPrintable(arg)), Qt::Key_Enter, Qt::KeypadModifier);
        } else if (how == QLatin1String("close"))
            display->close();
        if (back)
            QTRY_VERIFY(backToMain());
        else
            QTRY_VERIFY(closedToPromotion());
        // The closed window is gone for good; the next reading makes a fresh one.
        QTRY_VERIFY(gone.isNull());
    }

    void aboutOverTheResultKeepsTheReading()
    {
        const QString sign = child<QLabel>("lblYourNadirSign")->text();
        const QString text = child<QLabel>("lblNadirDesc")->text();
        bool sawModalAbout = false;
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            sawModalAbout = about && about->isModal() && about->parentWidget() == display;
            if (about)
                QTest::keyClick(about, Qt::Key_Escape);
        });
        child<QAction>("mnuAbout")->trigger();
        QVERIFY(sawModalAbout);
        QVERIFY(display->isVisible());
        QCOMPARE(child<QLabel>("lblYourNadirSign")->text(), sign);
        QCOMPARE(child<QLabel>("lblNadirDesc")->text(), text);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void signNameStaysCentredUnderTheHeading()
    {
        QLabel *heading = child<QLabel>("Label18");
        QLabel *name = child<QLabel>("lblYourNadirSign");
        for (const char *sign : {"Leo", "Sagittarius", "Aries"}) {
            display->setNadirSign(QLatin1String(sign));
            QCOMPARE(name->text(), QLatin1String(sign));
            QVERIFY(qAbs(name->geometry().center().x() - heading->geometry().center().x()) <= 2);
            QVERIFY(name->width() >= name->sizeHint().width());
        }
        QCOMPARE(child<QLabel>("picSign")->accessibleName(), QStringLiteral("Aries"));
    }

    // A long session makes a result window for every reading. The next one must draw with the palettes the
    // last one drew with (the style keeps its drawn button faces under the palette's identity, so new
    // palettes would pile up faces in the pixmap cache) and look the same to the pixel; and the name field
    // must not keep the edits of every reading for its Undo.
    void theNextReadingsWindowReusesTheLastOnesPalettes()
    {
        const auto palettes = [this] {
            QMap<QString, qint64> keys;
            for (const QWidget *control : display->findChildren<QWidget *>())
                if (control->testAttribute(Qt::WA_SetPalette))
                    keys.insert(control->objectName(), control->palette().cacheKey());
            return keys;
        };
        const QMap<QString, qint64> first = palettes();
        QVERIFY(first.contains(QStringLiteral("cmdBack")) && first.contains(QStringLiteral("cmdExit")));
        QImage lastLook;

        frmMain *main = program->existingMainWindow();
        QLineEdit *name = childOf<QLineEdit>(main, "txtName");
        for (int reading = 0; reading < 2; ++reading) {
            child<QPushButton>("cmdBack")->click();
            QTest::keyClicks(name, QStringLiteral("B"));
            QVERIFY(name->isUndoAvailable());
            childOf<QPushButton>(main, "cmdProceed")->click();
            QCOMPARE(name->text(), QStringLiteral("A") + QString(reading + 1, u'B'));
            QVERIFY(!name->isUndoAvailable());
            display = program->existingDisplayWindow();
            QVERIFY(display && display->isVisible());
            QCOMPARE(palettes(), first);
            // (Compared between windows shown alike: the first one was made active by the set-up.)
            const QImage look = display->grab().toImage();
            if (reading > 0)
                QCOMPARE(look, lastLook);
            lastLook = look;
        }
    }

private:
    QPointer<frmDisplay> display_guard;
};

QTEST_MAIN(DisplayWindowTest)
#include "tst_displaywindow.moc"
