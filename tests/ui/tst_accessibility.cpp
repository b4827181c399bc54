// What a screen reader hears, read through the accessibility interfaces rather than widget properties: input
// controls named by their captions (lists through their buddy labels), the sign picture by the nadir sign,
// and link labels described as opening a page.
#include "Program.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QAccessible>
#include <QComboBox>
#include <QtTest>

namespace {
QAccessibleInterface *accessible(QWidget *root, const char *name)
{
    QWidget *w = root->findChild<QWidget *>(QLatin1String(name));
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}
} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void init()
    {
        program = std::make_unique<Program>();
        program->mainWindow().show();
    }
    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void mainWindowInputs_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("labelledBy");
        QTest::newRow("name field") << "txtName"
                                    << "Name"
                                    << "Label1";
        QTest::newRow("day list") << "cmbDate"
                                  << "Date"
                                  << "Label4";
        QTest::newRow("month list") << "cmbMonth"
                                    << "Month"
                                    << "Label5";
        QTest::newRow("year list") << "cmbYear"
                                   << "Year"
                                   << "Label6";
        QTest::newRow("time list") << "cmbTime"
                                   << "Time Of Birth"
                                   << "Label7";
    }
    void mainWindowInputs()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, labelledBy);
        QAccessibleInterface *iface = accessible(&program->mainWindow(), qPrintable(control));
        QVERIFY(iface);
        // Each control is labelled by its caption; a screen reader names it by that label.
        QString labelName;
        const auto relations = iface->relations(QAccessible::Label);
        for (const auto &rel : relations)
            if (rel.first->object()->objectName() == labelledBy)
                labelName = rel.first->text(QAccessible::Name);
        QCOMPARE(labelName, name);
        if (control.startsWith(QLatin1String("cmb"))) {
#ifndef Q_OS_UNIX
            QCOMPARE(iface->text(QAccessible::Name), name);
#endif
            // On Linux a list's own name is its current entry, hence the label relation above.
            auto *combo = program->mainWindow().findChild<QComboBox *>(control);
            combo->setCurrentIndex(combo->count() - 1);
            QCOMPARE(iface->text(QAccessible::Value), combo->currentText());
        } else {
            QCOMPARE(iface->text(QAccessible::Name), name);
        }
    }

    void linkLabelsSayTheyOpenAPage()
    {
        frmMain &main = program->mainWindow();
        askForReading(&main);
        for (QWidget *window :
             {static_cast<QWidget *>(&main), static_cast<QWidget *>(program->existingDisplayWindow())}) {
            for (const char *label : {"Label61", "lblCobrand", "lblFullBrand"}) {
                QAccessibleInterface *iface = accessible(window, label);
                QVERIFY(iface);
                QVERIFY2(iface->text(QAccessible::Description).contains(QLatin1String("web browser")), label);
                QVERIFY(!iface->text(QAccessible::Name).isEmpty());
            }
        }
    }

    void signPictureCarriesTheNadirSign()
    {
        askForReading(&program->mainWindow());
        QAccessibleInterface *iface = accessible(program->existingDisplayWindow(), "picSign");
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Aries"));
    }

    void referralFieldsAreNamedByTheirPrompts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("sender's name") << "txtName"
                                       << "Your Name";
        QTest::newRow("sender's e-mail") << "txtEmail"
                                         << "Your Email Address";
        QTest::newRow("message") << "txtMessage"
                                 << "Your Message";
        QTest::newRow("friend's name") << "txtFriendName"
                                       << "Friend's Name";
        QTest::newRow("friend's e-mail") << "txtFriendEmail"
                                         << "Friend's Email Address";
    }
    void referralFieldsAreNamedByTheirPrompts()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QAccessibleInterface *iface = accessible(&program->promotionWindow(), qPrintable(control));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void promotionLinksSayTheyOpenAPage()
    {
        for (const char *control : {"Check1", "lblGoToHome"}) {
            QAccessibleInterface *iface = accessible(&program->promotionWindow(), control);
            QVERIFY(iface);
            QVERIFY2(!iface->text(QAccessible::Description).isEmpty(), control);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
