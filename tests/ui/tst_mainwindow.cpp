// The main window driven as a user would: the load step, the name filter, the three input messages and the
// reading flow by button, menu, Enter and Esc.
#include "Program.h"
#include "ProgramFacts.h"
#include "SignImageList.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;
    frmMain *main = nullptr;

    template <typename T> T *child(const char *name) const { return childOf<T>(main, name); }
    QLineEdit *name() const { return child<QLineEdit>("txtName"); }
    void choose(const char *list, const QString &text) const
    {
        QComboBox *combo = child<QComboBox>(list);
        const int index = combo->findText(text, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
    }
    void fill(const QString &who, const QString &day, const QString &month, const QString &year,
              const QString &slot)
    {
        name()->setText(who);
        choose("cmbDate", day);
        choose("cmbMonth", month);
        choose("cmbYear", year);
        choose("cmbTime", slot);
    }
    frmDisplay *shownResult() const
    {
        frmDisplay *d = program->existingDisplayWindow();
        return d && d->isVisible() ? d : nullptr;
    }
    QString resultText(const char *label) const
    {
        return program->existingDisplayWindow()->findChild<QLabel *>(QLatin1String(label))->text();
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void init()
    {
        Program::Environment env;
        env.random = [](int lowest, int) { return lowest; };
        program = std::make_unique<Program>(env);
        main = &program->mainWindow();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
    }

    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void loadStepFillsAndPresetsTheLists()
    {
        auto items = [this](const char *list) {
            QStringList out;
            QComboBox *c = child<QComboBox>(list);
            for (int i = 0; i < c->count(); ++i)
                out << c->itemText(i);
            return out;
        };
        QStringList days, years;
        for (int d = 1; d <= 31; ++d)
            days << QString::number(d);
        for (int y = 1900; y <= 2050; ++y)
            years << QString::number(y);
        QCOMPARE(items("cmbDate"), days);
        QCOMPARE(items("cmbYear"), years);
        QCOMPARE(items("cmbMonth"),
                 (QStringList{"January", "February", "March", "April", "May", "June", "July", "August",
                              "September", "October", "November", "December"}));
        QCOMPARE(items("cmbTime"),
                 (QStringList{"4am-6am", "2am-4am", "midnight-2am", "10pm-midnight", "8pm-10pm", "6pm-8pm",
                              "4pm-6pm", "2pm-4pm", "noon-2pm", "10am-noon", "8am-10am", "6am-8am"}));
        for (const char *list : {"cmbDate", "cmbMonth", "cmbYear", "cmbTime"}) {
            QCOMPARE(child<QComboBox>(list)->currentIndex(), 0);
            QVERIFY(!child<QComboBox>(list)->isEditable());
        }
        QVERIFY(name()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), name());
        QCOMPARE(main->windowTitle(), QString::fromUtf8(ProgramTitle));
    }

    // The lists are drawn in their box's font and colours, however late their windows are made.
    void openListsShowTheirBoxLook()
    {
        for (const char *list : {"cmbDate", "cmbMonth", "cmbYear", "cmbTime"}) {
            QComboBox *combo = child<QComboBox>(list);
            QVERIFY(combo->font() != QApplication::font()); // the form's font, not one a popup has anyway
            combo->showPopup();
            QWidget *popup = combo->view()->window();
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(combo->view()->font(), combo->font());
            combo->hidePopup();
            QTRY_VERIFY(!popup->isVisible());
        }
    }

    void tabOrderRunsThroughTheCoveredExitButton()
    {
        const QStringList expected{"cmbTime", "cmbDate",    "cmbMonth", "cmbYear",
                                   "cmdExit", "cmdProceed", "txtName"};
        QStringList seen;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
    }

    void nameFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("messages");
        QTest::newRow("small letters become capitals") << "john smith"
                                                       << "JOHN SMITH" << 0;
        QTest::newRow("capitals and spaces pass") << "ANN  LEE "
                                                  << "ANN  LEE " << 0;
        QTest::newRow("two letters then a digit") << "ab1"
                                                  << "AB" << 1;
        QTest::newRow("hyphen refused") << "a-b"
                                        << "AB" << 1;
        QTest::newRow("punctuation refused each time") << "x.y,z!"
                                                       << "XYZ" << 3;
        QTest::newRow("digits only") << "2024"
                                     << "" << 4;
    }
    void nameFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, messages);
        MessageAnswerer answerer;
        QTest::keyClicks(name(), typed);
        QCOMPARE(name()->text(), expected);
        QCOMPARE(answerer.seen.size(), messages);
        for (const SeenMessage &m : std::as_const(answerer.seen)) {
            QCOMPARE(m.text, QStringLiteral("Please Enter Only Alphabet !"));
            QCOMPARE(m.title, QStringLiteral("Quorvis"));
            QCOMPARE(m.icon, QMessageBox::Information);
            QCOMPARE(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(m.informativeText.isEmpty());
            QVERIFY(m.modal);
        }
    }

    void nameFilterRefusesShortcutsAndComposedLetters()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClicks(name(), "ab");
        MessageAnswerer answerer;
        QTest::keyClick(name(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(name(), Qt::Key_C, Qt::ControlModifier);
        // An accented letter typed on the keyboard ...
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(name(), &accented);
        // ... and one composed by an input method.
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("e\u0301"));
        QApplication::sendEvent(name(), &composed);
        QCOMPARE(name()->text(), QStringLiteral("AB"));
        QCOMPARE(answerer.texts(), QStringList(4, QStringLiteral("Please Enter Only Alphabet !")));

        // An input method committing plain letters is treated like typing.
        QInputMethodEvent letters;
        letters.setCommitString(QStringLiteral("cd"));
        QApplication::sendEvent(name(), &letters);
        QCOMPARE(name()->text(), QStringLiteral("ABCD"));
        QCOMPARE(answerer.seen.size(), 4);
    }

    void nameFilterLeavesEditingKeysAlone()
    {
        MessageAnswerer answerer;
        QTest::keyClicks(name(), "abc");
        QTest::keyClick(name(), Qt::Key_Backspace);
        QTest::keyClick(name(), Qt::Key_Home);
        QTest::keyClick(name(), Qt::Key_Delete);
        QTest::keyClick(name(), Qt::Key_End);
        QTest::keyClick(name(), Qt::Key_Left);
        QTest::keyClicks(name(), "x");
        QCOMPARE(name()->text(), QStringLiteral("XB"));
        QTest::keyClick(name(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmbTime"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), name());
        QVERIFY(answerer.seen.isEmpty());
    }

    void inputMessages_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("empty name wins over 31 February")
            << ""
            << "31"
            << "February"
            << "1901"
            << "Please Enter Your Name !" << int(QMessageBox::NoIcon);
        QTest::newRow("30 February in a leap year")
            << "A"
            << "30"
            << "February"
            << "2000"
            << "Please Enter Correct Date Or Month!" << int(QMessageBox::Information);
        QTest::newRow("29 February 2001")
            << "A"
            << "29"
            << "February"
            << "2001"
            << "Please Enter Correct Date Or Month!" << int(QMessageBox::Information);
        QTest::newRow("29 February 1900 never was")
            << "A"
            << "29"
            << "February"
            << "1900"
            << "Please Enter Correct Date Or Month!" << int(QMessageBox::Information);
        QTest::newRow("31 April") << "A"
                                  << "31"
                                  << "April"
                                  << "1950"
                                  << "Please Enter Correct Date Or Month !" << int(QMessageBox::Information);
        QTest::newRow("31 November") << "A"
                                     << "31"
                                     << "November"
                                     << "2050"
                                     << "Please Enter Correct Date Or Month !"
                                     << int(QMessageBox::Information);
    }
    void inputMessages()
    {
        QFETCH(QString, who);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(int, icon);
        fill(who, day, month, year, QStringLiteral("4am-6am"));
        child<QComboBox>("cmbYear")->setFocus();
        MessageAnswerer answerer;
        child<QPushButton>("cmdProceed")->click();
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(answerer.seen.first().icon, QMessageBox::Icon(icon));
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Quorvis"));
        QCOMPARE(answerer.seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Only the name message moves the focus; nothing of the reading happens.
        QVERIFY(main->focusWidget());
        QCOMPARE(main->focusWidget()->objectName(),
                 QLatin1String(icon == QMessageBox::NoIcon ? "txtName" : "cmbYear"));
        QVERIFY(main->isVisible());
        QVERIFY(!program->existingDisplayWindow());
        QVERIFY(program->readingValues().SunSign.empty());
        QCOMPARE(child<QComboBox>("cmbDate")->currentText(), day);
    }

    void acceptedDates_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("29 February 2000") << "29"
                                          << "February"
                                          << "2000";
        QTest::newRow("29 February 2048") << "29"
                                          << "February"
                                          << "2048";
        QTest::newRow("31 December") << "31"
                                     << "December"
                                     << "1999";
        QTest::newRow("31 January") << "31"
                                    << "January"
                                    << "1900";
    }
    void acceptedDates()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        fill(QStringLiteral(" "), day, month, year, QStringLiteral("4am-6am"));
        MessageAnswerer answerer;
        child<QPushButton>("cmdProceed")->click();
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(shownResult());
    }

    // Every way of asking for a reading gives the same, complete reading.
    void readingFlow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("button access key") << "alt+q";
        QTest::newRow("file menu entry") << "menu";
        QTest::newRow("enter in the name field") << "enter-name";
        QTest::newRow("keypad enter in a list") << "enter-list";
        QTest::newRow("esc") << "esc";
        QTest::newRow("esc on a button") << "esc-button";
    }
    void readingFlow()
    {
        QFETCH(QString, how);
        fill(QStringLiteral("ann"), QStringLiteral("1"), QStringLiteral("August"), QStringLiteral("1970"),
             QStringLiteral("10am-noon"));
        MessageAnswerer answerer;
        if (how == "button")
            QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
        else if (how == "alt+q")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        else if (how == "menu")
            child<QAction>("mnuFindZodiacRisingSign")->trigger();
        else if (how == "enter-name")
            QTest::keyClick(name(), Qt::Key_Return);
        else if (how == "enter-list")
            QTest::keyClick(child<QComboBox>("cmbMonth"), Qt::Key_Enter, Qt::KeypadModifier);
        else if (how == "esc")
            QTest::keyClick(child<QComboBox>("cmbTime"), Qt::Key_Escape);
        else if (how == "esc-button") {
            child<QPushButton>("cmdExit")->setFocus();
            QTest::keyClick(child<QPushButton>("cmdExit"), Qt::Key_Escape);
        }
        QTRY_VERIFY(shownResult()); // an access key presses its button with a short animation
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(!main->isVisible());
        QVERIFY(!program->existingPromotionWindow()); // made when first needed, not by a reading

        const quorvis::ReadingValues &v = program->readingValues();
        QCOMPARE(v.SunSign, std::string("Leo"));
        QCOMPARE(v.BirthTime, std::string("10am-noon"));
        QCOMPARE(v.ReadingKey, std::string("Leo-10am-noon"));
        QCOMPARE(v.RisingSign, std::string("Scorpio"));
        QCOMPARE(resultText("lblYourNadirSign"), QStringLiteral("Aquarius"));
        QCOMPARE(resultText("lblNadirDesc"),
                 QStringLiteral(
                     "You will overdo things for your family. Even if you are not in a physical or mental "
                     "position to help people, you will never give up. Family will not mean a normal life "
                     "but something different."));
        // Picture 11, drawn for the screen's scale (the 400-pixel one on a high-dpi screen).
        frmDisplay *display = program->existingDisplayWindow();
        const QPixmap shown = display->findChild<QLabel *>("picSign")->pixmap();
        QCOMPARE(shown.toImage(), SignImageList::picture(11, display->devicePixelRatioF()).toImage());
        QCOMPARE(shown.deviceIndependentSize().toSize(), QSize(200, 200));
        QCOMPARE(shown.size(), QSize(200, 200) * (display->devicePixelRatioF() > 1 ? 2 : 1));
    }

    void enterOnTheCoveredExitButtonClosesTheWindow()
    {
        child<QPushButton>("cmdExit")->setFocus();
        QTest::keyClick(child<QPushButton>("cmdExit"), Qt::Key_Return);
        QVERIFY(!program->existingMainWindow());
        QVERIFY(program->existingPromotionWindow() && program->existingPromotionWindow()->isVisible());
        QVERIFY(!program->existingDisplayWindow());
    }

    void freshStartReadingIsAries()
    {
        QTest::keyClicks(name(), "q");
        QTest::mouseClick(child<QPushButton>("cmdProceed"), Qt::LeftButton);
        QCOMPARE(program->readingValues().ReadingKey, std::string("Capricorn-4am-6am"));
        QCOMPARE(resultText("lblYourNadirSign"), QStringLiteral("Aries"));
        QVERIFY(resultText("lblNadirDesc").startsWith(QLatin1String("You will love being young")));
    }

    void backKeepsInputsAndASecondReadingReplacesTheFirst()
    {
        fill(QStringLiteral("ANN LEE"), QStringLiteral("21"), QStringLiteral("March"), QStringLiteral("2050"),
             QStringLiteral("4am-6am"));
        child<QPushButton>("cmdProceed")->click();
        QCOMPARE(resultText("lblYourNadirSign"), QStringLiteral("Cancer"));
        const frmDisplay *first = program->existingDisplayWindow();
        const QImage firstPicture = first->findChild<QLabel *>("picSign")->pixmap().toImage();

        QTest::mouseClick(program->existingDisplayWindow()->findChild<QPushButton *>("cmdBack"),
                          Qt::LeftButton);
        QVERIFY(main->isVisible());
        QVERIFY(!program->existingDisplayWindow());
        QVERIFY(!program->existingPromotionWindow());
        QCOMPARE(name()->text(), QStringLiteral("ANN LEE"));
        QCOMPARE(child<QComboBox>("cmbDate")->currentText(), QStringLiteral("21"));
        QCOMPARE(child<QComboBox>("cmbMonth")->currentText(), QStringLiteral("March"));
        QCOMPARE(child<QComboBox>("cmbYear")->currentText(), QStringLiteral("2050"));
        QCOMPARE(child<QComboBox>("cmbTime")->currentText(), QStringLiteral("4am-6am"));
        QCOMPARE(child<QComboBox>("cmbTime")->count(), 12);

        choose("cmbTime", QStringLiteral("midnight-2am"));
        child<QPushButton>("cmdProceed")->click();
        QCOMPARE(program->readingValues().RisingSign, std::string("Aquarius"));
        QCOMPARE(resultText("lblYourNadirSign"), QStringLiteral("Taurus"));
        QVERIFY(resultText("lblNadirDesc").startsWith(QLatin1String("You will believe in nourishing")));
        const QImage second =
            program->existingDisplayWindow()->findChild<QLabel *>("picSign")->pixmap().toImage();
        QCOMPARE(second,
                 SignImageList::picture(2, program->existingDisplayWindow()->devicePixelRatioF()).toImage());
        QVERIFY(second != firstPicture);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
