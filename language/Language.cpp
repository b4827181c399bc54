#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

struct Installed
{
    QString language = QString::fromLatin1(Language::English);
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed state;
    return state;
}

QString ownFile(const QString &folder, const QString &language)
{
    return QDir(folder).filePath(QStringLiteral("quorvis_%1.qm").arg(language));
}

// Qt's own translations: the system's on Linux (Debian's qt6-translations-l10n), a folder beside the program on
// Windows, where the installer puts them.
QString qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

void removeInstalled()
{
    Installed &state = installed();
    if (state.language != QLatin1String(Language::English))
        QLocale::setDefault(QLocale::system());
    for (auto *translator : {&state.own, &state.qt})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    state.language = QString::fromLatin1(Language::English);
}

bool isEnglish(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.section(u'_', 0, 0) == QLatin1String(Language::English);
}

// The translation for the user's language `name` ("pt_PT", "de_Latn_AT", "ru"): its own region's, else the
// one Qt's likely region for the language names ("pt" is Brazilian), else any of the language.
QString translationFor(const QString &name, const QStringList &have)
{
    const QString language = name.section(u'_', 0, 0);
    for (const QString &candidate :
         {name, QLocale(name).name(), language, QLocale(language).name()})
        if (have.contains(candidate))
            return candidate;
    for (const QString &candidate : have)
        if (candidate.section(u'_', 0, 0) == language)
            return candidate;
    return {};
}

} // namespace

namespace Language {

QString Choose(const QStringList &preferred)
{
    QStringList have;
    bool listed = false;
    for (const QString &entry : preferred) {
        // "de-DE", "de_DE.UTF-8", "sr_RS@latin": the name without encoding or modifier, in Qt's spelling.
        QString name = entry.section(u'.', 0, 0).section(u'@', 0, 0);
        name.replace(u'-', u'_');
        if (name.isEmpty())
            continue;
        if (isEnglish(name))
            return QString::fromLatin1(English);
        if (!std::exchange(listed, true))
            have = BuiltIn();
        if (const QString translation = translationFor(name, have); !translation.isEmpty())
            return translation;
    }
    return QString::fromLatin1(English);
}

QStringList BuiltIn()
{
    // Listed without a name filter: a wildcard is a regular expression, and compiling one maps PCRE's
    // compiler and JIT into the process.
    QStringList names;
    const QLatin1String prefix("quorvis_"), suffix(".qm");
    for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList(QDir::Files))
        if (file.startsWith(prefix) && file.endsWith(suffix))
            names << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return names;
}

QString BuiltInFile(const QString &name) { return ownFile(QStringLiteral(":/i18n"), name); }

QString OfSystem() { return Choose(QLocale::system().uiLanguages()); }

QString Use(const QString &language, const QString &folder)
{
    removeInstalled();
    if (language == QLatin1String(English))
        return Current();
    auto own = std::make_unique<QTranslator>();
    // A translation without a single finished text is no translation yet.
    if (!own->load(ownFile(folder, language)) || own->isEmpty())
        return Current();
    Installed &state = installed();
    QCoreApplication::installTranslator(own.get());
    state.own = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, qtTranslationsFolder())) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    state.language = language;
    // Dates in sentences: the language's month names, in the region's variant when the region speaks it
    // ("Jänner" in Austria).
    const QLocale spoken(language), region = QLocale::system();
    QLocale::setDefault(region.language() == spoken.language() ? QLocale(spoken.language(), region.territory())
                                                                : spoken);
    return language;
}

QString Current() { return installed().language; }

QStringList MonthNames(const QStringList &translated)
{
    QStringList names = translated;
    if (SpeaksEnglish())
        return names;
    // The default locale is the language's in the region's variant (Use).
    const QLocale region;
    const QLocale language(QLocale(Current()).language());
    if (region.language() != language.language())
        return names;
    for (int month = 1; month <= 12 && month <= names.size(); ++month) {
        QString name = region.standaloneMonthName(month);
        if (name.isEmpty() || name == language.standaloneMonthName(month))
            continue;
        const QString &own = names[month - 1];
        if (!own.isEmpty() && own.front().isUpper())
            name.front() = name.front().toUpper();
        names[month - 1] = name;
    }
    return names;
}

} // namespace Language
