// Every window in every language the program speaks and in the pseudo-language (every text wrapped in
// brackets, its letters accented, about 40 % longer; made from the source texts at build time):
// - in the pseudo-language no text a person sees or hears keeps a plain English letter outside a short list of
//   data (zone names, clock abbreviations): one that does escaped translation, an argument of a sentence too;
// - no text is cut off, no two controls overlap that do not overlap in English (where the English layout
//   cannot hold a longer text, the window grows), and each window's access keys stay unique.
// The choice of language from the user's list of languages, and the name field in each language's letters.
// Registered at scale 1 and 2. With QUORVIS_SHOTS set, also keeps pictures of the main and the result window
// in each language there (the README's).
#include "Language.h"
#include "LayoutCheck.h"
#include "Program.h"
#include "TestSupport.h"
#include "WindowLook.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmExact.h"
#include "frmMain.h"
#include "frmPromotion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QPlainTextEdit>
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

// Whether `text` is all translated, or not the program's to translate: the pseudo-language turns every plain
// letter of a text into an accented look-alike, so a plain English letter anywhere in it, a sign's name
// passed into a translated sentence too, escaped translation. Only data may keep plain letters: what was typed,
// zone names, abbreviations of clocks ("BST", "UTC", "LMT"), web addresses, an access key's letter, and the
// program's name, its own in every language.
bool translatedOrNotText(const QString &text)
{
    static const QRegularExpression data(QStringLiteral("%1|%2|\\b[A-Z][A-Za-z_]+(?:/[A-Za-z_\\-]+)+|"
                                                        "\\b[A-Z]{2,5}\\b|&[A-Za-z]|"
                                                        "(?:https?://)?[a-z0-9-]+(?:\\.[a-z0-9-]+)+(?:/\\S*)?")
                                             .arg(QRegularExpression::escape(TypedZone),
                                                  QRegularExpression::escape(ProgramTitleText()))),
        plain(QStringLiteral("[A-Za-z]"));
    QString rest = text;
    rest.remove(data);
    return !rest.contains(plain);
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

    // Speaks `language` and opens `which` in it; nothing, with the test failed, when a language this build
    // lists does not load.
    QWidget *open(const QString &language, const QString &which)
    {
        const QString folder =
            language == Pseudo ? QStringLiteral(QUORVIS_PSEUDO_DIR) : QStringLiteral(":/i18n");
        if (Language::Use(language, folder) != language) {
            QTest::qFail(qPrintable(language + QLatin1String(" is listed as built but does not load")), __FILE__,
                         __LINE__);
            return nullptr;
        }
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
            // A birth whose two nadir rules name different signs, four minutes from a change of the
            // Imum Coeli's sign: the choice between the rules and the near-change line show too.
            childOf<QLineEdit>(exact, "txtDate")->setText(QStringLiteral("1990-08-01"));
            childOf<QLineEdit>(exact, "txtTime")->setText(QStringLiteral("14:33"));
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
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
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
            return;
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

    // The lists are those Qt makes of these environments on Linux (LANGUAGE first, else LC_ALL, LC_MESSAGES,
    // LANG); the programs themselves are held to the same choice in tst_exact and the smoke test.
    void chooser_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char *name, const char *list, const char *chosen) {
            QTest::newRow(name) << QString::fromLatin1(list).split(u',') << QString::fromLatin1(chosen);
        };
        row("LANG=C.UTF-8 LANGUAGE=de", "de,de-Latn-DE,de-DE", "de");
        row("LANG=de_DE.UTF-8 LANGUAGE=nl", "nl,nl-Latn-NL,nl-NL", "en");
        row("LANGUAGE=nl:ru", "nl,nl-Latn-NL,nl-NL,ru,ru-Cyrl-RU,ru-RU", "ru");
        row("LANGUAGE=nl:en:de", "nl,en,de", "en");
        row("LANG=C.UTF-8", "C", "en");
        row("LANG=pt_PT.UTF-8", "pt-PT,pt-Latn-PT", "pt_BR");
        row("pt_AO", "pt-AO", "pt_BR");
        row("pt_BR", "pt-BR,pt-Latn-BR", "pt_BR");
        // A region without a translation of its own reads its language's.
        row("LANG=de_AT.UTF-8", "de-AT,de-Latn-AT", "de");
        row("fr_CA", "fr-CA", "fr");
        row("a name as the environment spells it", "ru_RU.UTF-8", "ru");
        row("no list", "", "en");
    }
    void chooser()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(Language::Choose(uiLanguages), chosen);
    }

    // The month list takes the region's names where its variant of the language has its own ("Jänner" in
    // Austria), capitalised as the list is; else the translation's.
    void regionalMonths_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QLocale>("region");
        QTest::addColumn<QString>("january");
        QTest::newRow("de in Austria") << "de" << QLocale(QLocale::German, QLocale::Austria) << "Jänner";
        QTest::newRow("de in Germany") << "de" << QLocale(QLocale::German, QLocale::Germany) << "Januar";
        QTest::newRow("ru in Ukraine") << "ru" << QLocale(QLocale::Russian, QLocale::Ukraine) << "Январь";
        QTest::newRow("en in Austria") << "en" << QLocale(QLocale::German, QLocale::Austria) << "January";
    }
    void regionalMonths()
    {
        QFETCH(QString, language);
        QFETCH(QLocale, region);
        QFETCH(QString, january);
        Language::Use(language);
        QLocale::setDefault(region);
        program = std::make_unique<Program>();
        auto *months = program->mainWindow().findChild<QComboBox *>(QStringLiteral("cmbMonth"));
        QVERIFY(months);
        program->mainWindow().show();
        QCOMPARE(months->itemText(0), january);
        QCOMPARE(months->itemText(1), QCoreApplication::translate("Month", "February"));
        QLocale::setDefault(QLocale::system());
    }

    // English keeps its letters A-Z; a translated window takes every script's letters as the language writes
    // them in capitals, and still refuses the rest with its own message.
    void nameField_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("refusals");
        const QString en = QString::fromLatin1(Language::English);
        QTest::newRow("en letters") << en << "anna lee" << "ANNA LEE" << 0;
        QTest::newRow("en accented") << en << "\u00e9" << "" << 1;
        QTest::newRow("ru Cyrillic") << "ru" << "\u0430\u043d\u043d\u0430" << "\u0410\u041d\u041d\u0410" << 0;
        QTest::newRow("de umlaut") << "de" << "m\u00fcller" << "M\u00dcLLER" << 0;
        QTest::newRow("de sharp s") << "de" << "stra\u00dfe" << "STRASSE" << 0;
        QTest::newRow("fr accent and space") << "fr" << "\u00e9lo\u00efse b" << "\u00c9LO\u00cfSE B" << 0;
        QTest::newRow("fr combining accent") << "fr" << "e\u0301" << "E\u0301" << 0;
        QTest::newRow("it Greek") << "it" << "\u03b1\u03b2" << "\u0391\u0392" << 0;
        QTest::newRow("es digits refused") << "es" << "jos\u00e9 2" << "JOS\u00c9 " << 1;
        QTest::newRow("pt_BR punctuation refused") << "pt_BR"
                                                   << "d'ana."
                                                   << "D'ANA" << 1;
        QTest::newRow("de hyphen") << "de"
                                   << "anna-lena"
                                   << "ANNA-LENA" << 0;
        QTest::newRow("fr typographic apostrophe") << "fr"
                                                   << "d\u2019angelo"
                                                   << "D\u2019ANGELO" << 0;
        QTest::newRow("en hyphen refused") << en << "anna-lena"
                                           << "ANNALENA" << 1;
        QTest::newRow("ru control refused") << "ru" << "\u044f\t" << "\u042f" << 1;
    }
    void nameField()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, refusals);
        QWidget *window = open(language, QStringLiteral("main"));
        QVERIFY(window);
        auto *name = childOf<QLineEdit>(window, "txtName");
        MessageAnswerer answerer;
        for (const QChar c : typed) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &key);
        }
        QCOMPARE(name->text(), shown);
        QCOMPARE(answerer.seen.size(), refusals);
        const QString english = QStringLiteral("Please Enter Only Alphabet !");
        for (const QString &message : answerer.texts())
            QCOMPARE(message == english, language == QString::fromLatin1(Language::English));
    }

    // A name that starts with a hyphen or an apostrophe, or has two in a row, is refused when it is read.
    void nameJoinersReadWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("first") << "-ANNA" << true;
        QTest::newRow("two in a row") << "ANNA-'LENA" << true;
        QTest::newRow("between letters") << "O'BRIEN" << false;
    }
    void nameJoinersReadWhole()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QWidget *window = open(QStringLiteral("de"), QStringLiteral("main"));
        QVERIFY(window);
        childOf<QLineEdit>(window, "txtName")->setText(name);
        MessageAnswerer answerer;
        childOf<QPushButton>(window, "cmdProceed")->click();
        QCOMPARE(answerer.seen.size(), refused ? 1 : 0);
        QCOMPARE(window->isVisible(), refused);
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
            return;
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
            return;
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
