// Inputs no one would type on purpose: every character of the Basic Multilingual Plane into the name field,
// by key and by input method.
#include "Messages.h"
#include "Program.h"
#include "TestSupport.h"
#include "frmMain.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleFactory>
#include <QtTest>

class RobustnessTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Program> program;
    QLineEdit *name = nullptr;
    QStringList messages;

    static bool onlyCapitalsAndSpaces(const QString &text)
    {
        for (QChar c : text)
            if (!((c >= u'A' && c <= u'Z') || c == u' '))
                return false;
        return true;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void init()
    {
        messages.clear();
        SetMessagePresenter([this](QWidget *, const QString &text, QMessageBox::Icon, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
        program = std::make_unique<Program>();
        program->mainWindow().show();
        name = program->mainWindow().findChild<QLineEdit *>("txtName");
        name->setFocus();
    }
    void cleanup()
    {
        SetMessagePresenter(nullptr);
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void everyBmpCharacterTyped()
    {
        int expectedRefusals = 0;
        QString expected;
        for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
            const QChar c(static_cast<char16_t>(cp));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &release);
            if ((cp >= 'A' && cp <= 'Z') || cp == ' ')
                expected += c;
            else if (cp >= 'a' && cp <= 'z')
                expected += QChar(char16_t(cp - 32));
            else if (cp != 8 && cp != 13)
                ++expectedRefusals;
        }
        QVERIFY(onlyCapitalsAndSpaces(name->text()));
        QCOMPARE(name->text(), expected);
        QCOMPARE(messages.size(), expectedRefusals);
        QVERIFY(std::all_of(messages.cbegin(), messages.cend(),
                            [](const QString &m) { return m == QLatin1String("Please Enter Only Alphabet !"); }));
    }

    void everyBmpCharacterComposed()
    {
        int refused = 0;
        for (char32_t cp = 0; cp <= 0xFFFF; cp += 1) {
            QInputMethodEvent composed;
            composed.setCommitString(QString(QChar(static_cast<char16_t>(cp))));
            QApplication::sendEvent(name, &composed);
            const bool letter = (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z') || cp == ' ';
            refused += letter ? 0 : 1;
        }
        QVERIFY(onlyCapitalsAndSpaces(name->text()));
        QCOMPARE(name->text().size(), 26 * 2 + 1);
        QCOMPARE(messages.size(), refused);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
