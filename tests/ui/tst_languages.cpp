// Every window in every language the program speaks and in the pseudo-language (every text wrapped in
// brackets, its letters accented, about 40 % longer; made from the source texts at build time):
// - in the pseudo-language every text a person sees or hears is wrapped: one that is not escaped translation;
// - no text is cut off, no two controls overlap that do not overlap in English (where the English layout
//   cannot hold a longer text, the window grows), and each window's access keys stay unique.
// Registered at scale 1 and 2. With QUORVIS_SHOTS set, also keeps pictures of the main and the result window
// in each language there (the README's).
#include "Language.h"
#include "LayoutCheck.h"
#include "Program.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmExact.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QCheckBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QtTest>

namespace {

const QString Pseudo = QStringLiteral("pseudo");
const QStringList Windows = {QStringLiteral("main"), QStringLiteral("display"), QStringLiteral("about"),
                             QStringLiteral("promotion"), QStringLiteral("exact")};

// The menus of a window, its bar's own entries first.
QList<QMenu *> menusOf(const QWidget *window)
{
    return window->findChildren<QMenu *>();
}

QStringList accessKeyTexts(const QWidget *window, const QMenu *menu)
{
    QStringList texts;
    if (menu) {
        for (const QAction *action : menu->actions())
            texts << action->text();
        return texts;
    }
    for (const QWidget *control : window->findChildren<QWidget *>())
        if (qobject_cast<const QAbstractButton *>(control) && control->isVisibleTo(window))
            texts << shownTexts(control);
    if (const auto *main = qobject_cast<const QMainWindow *>(window); main && main->menuWidget())
        for (const QAction *action : main->menuWidget()->actions())
            texts << action->text();
    return texts;
}

// Every text of `window` that a person sees or a screen reader reads, with the control it belongs to.
QList<QPair<QString, QString>> textsOf(const QWidget *window)
{
    QList<QPair<QString, QString>> out;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        for (const QString &text : shownTexts(control))
            out << qMakePair(control->objectName(), text);
        if (const auto *line = qobject_cast<const QLineEdit *>(control))
            out << qMakePair(control->objectName(), line->text());
        if (const auto *edit = qobject_cast<const QPlainTextEdit *>(control))
            out << qMakePair(control->objectName(), edit->toPlainText().trimmed());
        for (const QString &spoken : {control->accessibleName(), control->accessibleDescription()})
            out << qMakePair(control->objectName() + QLatin1String(" (for screen readers)"), spoken);
    }
    for (const QMenu *menu : menusOf(window)) {
        out << qMakePair(menu->objectName(), menu->title());
        for (const QAction *action : menu->actions())
            out << qMakePair(action->objectName(), action->text());
    }
    if (const auto *main = qobject_cast<const QMainWindow *>(window); main && main->menuWidget())
        for (const QAction *action : main->menuWidget()->actions())
            out << qMakePair(action->objectName(), action->text());
    return out;
}

// What the tests type into the exact-nadir window that has letters: the person's, not the program's.
const QString TypedZone = QStringLiteral("Europe/London");

// Whether `text` is all translated, or not the program's to translate: with the pseudo-language's wrapped
// parts and what was typed taken out, no letter is left (numbers, dates and the punctuation that joins
// translated parts stay as they are). The program's name is its own in every language.
bool translatedOrNotText(const QString &text)
{
    static const QRegularExpression wrapped(QStringLiteral("\\[[^\\[\\]]*\\]")),
        letter(QStringLiteral("\\p{L}"));
    QString rest = text;
    rest.remove(TypedZone);
    for (qsizetype before = -1; before != rest.size();) {
        before = rest.size();
        rest.remove(wrapped);
    }
    return text == ProgramTitleText() || !rest.contains(letter);
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    std::unique_ptr<frmAbout> about;

    QStringList languages() const
    {
        return QString::fromLatin1(QUORVIS_LANGUAGES).split(u',') << Pseudo;
    }

    // Speaks `language` (or says why it cannot be tested yet) and opens `which` in it.
    QWidget *open(const QString &language, const QString &which)
    {
        const QString folder =
            language == Pseudo ? QStringLiteral(QUORVIS_PSEUDO_DIR) : QStringLiteral(":/i18n");
        if (Language::Use(language, folder) != language)
            return nullptr;
        program = std::make_unique<Program>();
        frmMain &main = program->mainWindow();
        main.show();
        if (which == QLatin1String("main"))
            return &main;
        if (which == QLatin1String("display")) {
            askForReading(&main);
            return program->existingDisplayWindow();
        }
        if (which == QLatin1String("about")) {
            about = std::make_unique<frmAbout>(&main);
            about->show();
            return about.get();
        }
        if (which == QLatin1String("exact")) {
            // With a reading shown, so that every result line is there.
            childOf<QAction>(&main, "mnuFindExactNadir")->trigger();
            frmExact *exact = program->existingExactWindow();
            childOf<QCheckBox>(exact, "chkCoordinates")->setChecked(true);
            childOf<QLineEdit>(exact, "txtLatitude")->setText(QStringLiteral("51.5"));
            childOf<QLineEdit>(exact, "txtLongitude")->setText(QStringLiteral("-0.13"));
            childOf<QLineEdit>(exact, "txtZone")->setText(TypedZone);
            childOf<QLineEdit>(exact, "txtTime")->setText(QStringLiteral("12:00"));
            QCoreApplication::processEvents(); // the layout requests of the reading, as the event loop would
            return exact;
        }
        frmPromotion &promotion = program->promotionWindow();
        promotion.show();
        return &promotion;
    }

    void addRows(const QStringList &languages)
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("which");
        for (const QString &language : languages)
            for (const QString &which : Windows)
                QTest::addRow("%s %s", qPrintable(language), qPrintable(which)) << language << which;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup()
    {
        about.reset();
        program.reset();
        Language::Use(QString::fromLatin1(Language::English));
        QVERIFY(visibleTopLevels().isEmpty());
    }

    void everyTextTranslated_data() { addRows({Pseudo}); }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, which);
        QWidget *window = open(language, which);
        QVERIFY(window);
        QStringList plain;
        for (const auto &[control, text] : textsOf(window))
            if (!translatedOrNotText(text))
                plain << control + QLatin1String(": ") + text;
        QVERIFY2(plain.isEmpty(), qPrintable(plain.join(u'\n')));
    }

    void nothingCutOff_data() { addRows(languages()); }
    void nothingCutOff()
    {
        QFETCH(QString, language);
        QFETCH(QString, which);
        QWidget *english = open(QString::fromLatin1(Language::English), which);
        const QSet<QString> designed = overlappingControls(english);
        const QSize englishSize = english->size();
        cleanup();
        QWidget *window = open(language, which);
        if (!window)
            QSKIP(qPrintable(language + QLatin1String(" is not translated yet")));
        QVERIFY(window->width() >= englishSize.width() && window->height() >= englishSize.height());

        QStringList problems;
        for (const QWidget *control : window->findChildren<QWidget *>())
            if (control->isVisibleTo(window) && !control->isWindow())
                if (const QString cut = clippedText(control); !cut.isEmpty())
                    problems << control->objectName() + QLatin1String(": ") + cut;
        // Where the English layout lets a wrapping label run past its container's right edge, a longer text
        // would wrap into the part that does not show.
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->isVisibleTo(window) && label->wordWrap() && label->parentWidget() != window &&
                label->geometry().right() >= label->parentWidget()->width())
                problems << label->objectName() + QLatin1String(": wraps past its container's right edge");
        if (const auto *main = qobject_cast<const QMainWindow *>(window); main && main->menuWidget())
            for (const QString &menu : clippedMenus(qobject_cast<QMenuBar *>(main->menuWidget())))
                problems << QLatin1String("menu ") + menu + QLatin1String(" is hidden");
        for (const QString &pair : overlappingControls(window) - designed)
            problems << pair + QLatin1String(": overlap, where the English do not");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void render_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("which");
        for (const QString &language : QString::fromLatin1(QUORVIS_LANGUAGES).split(u','))
            for (const char *which : {"main", "display"})
                QTest::addRow("%s %s", qPrintable(language), which) << language << QString::fromLatin1(which);
    }
    void render()
    {
        QFETCH(QString, language);
        QFETCH(QString, which);
        QWidget *window = open(language, which);
        if (!window)
            QSKIP(qPrintable(language + QLatin1String(" is not translated yet")));
        const qreal scale = window->devicePixelRatioF();
        const QImage image = renderAt(window, scale);
        // A window grown for its language is painted to its edges: its ground shows in both lower corners.
        for (const QPoint corner :
             {QPoint(2, window->height() - 3), QPoint(window->width() - 3, window->height() - 3)})
            QCOMPARE(QColor(image.pixel(corner * scale)).name(), QStringLiteral("#3e1894"));
        QVERIFY(keepShot(image, which + u'-' + language));
    }

    void accessKeysUnique_data() { addRows(languages()); }
    void accessKeysUnique()
    {
        QFETCH(QString, language);
        QFETCH(QString, which);
        QWidget *window = open(language, which);
        if (!window)
            QSKIP(qPrintable(language + QLatin1String(" is not translated yet")));
        QList<const QMenu *> groups = {nullptr};
        for (const QMenu *menu : menusOf(window))
            groups << menu;
        for (const QMenu *menu : groups) {
            const QStringList repeated = repeatedAccessKeys(accessKeyTexts(window, menu));
            QVERIFY2(repeated.isEmpty(),
                     qPrintable(QStringLiteral("%1: %2 repeated")
                                    .arg(menu ? menu->objectName() : QStringLiteral("window"),
                                         repeated.join(u' '))));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
