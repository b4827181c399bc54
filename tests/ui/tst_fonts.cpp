// The forms' Verdana where it is missing: every control that asks for it is drawn in the first installed
// narrow stand-in, in each of the four windows, whichever window is made first.
#include "FakeHost.h"
#include "Program.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmPromotion.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStyleFactory>
#include <QtTest>

class FontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QFontDatabase::hasFamily(QStringLiteral("Verdana")))
            QSKIP("Verdana is installed: the forms use it as it is");
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void verdanaResolvesToTheStandIn_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("promotion first") << "promotion";
        QTest::newRow("main") << "main";
        QTest::newRow("result") << "result";
        QTest::newRow("About") << "about";
    }
    void verdanaResolvesToTheStandIn()
    {
        QFETCH(QString, which);
        const QStringList standIns{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
        const auto first = std::find_if(standIns.cbegin(), standIns.cend(),
                                        [](const QString &f) { return QFontDatabase::hasFamily(f); });
        if (first == standIns.cend())
            QSKIP("no stand-in for Verdana is installed");

        FakeHost host;
        Program program;
        std::unique_ptr<QWidget> owned;
        QWidget *window = nullptr;
        if (which == "promotion")
            window = (owned = std::make_unique<frmPromotion>(host)).get();
        else if (which == "about")
            window = (owned = std::make_unique<frmAbout>()).get();
        else if (which == "main")
            window = &program.mainWindow();
        else
            window = &program.displayWindow();

        QList<QWidget *> controls = window->findChildren<QWidget *>();
        controls.prepend(window);
        int checked = 0;
        for (const QWidget *control : std::as_const(controls)) {
            if (control->font().family() != QLatin1String("Verdana"))
                continue;
            const QFontInfo shown(control->font());
            QVERIFY2(shown.family() == *first,
                     qPrintable(control->objectName() + QLatin1String(" is drawn in ") + shown.family()));
            QCOMPARE(shown.bold(), control->font().bold());
            ++checked;
        }
        QVERIFY(checked > 0);
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
