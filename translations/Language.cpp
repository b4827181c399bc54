#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

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

} // namespace

namespace Language {

QString Choose(const QStringList &preferred)
{
    for (const QString &entry : preferred) {
        // "de-DE", "de_DE.UTF-8", "sr_RS@latin": the name without encoding or modifier, in Qt's spelling.
        QString name = entry.section(u'.', 0, 0).section(u'@', 0, 0);
        name.replace(u'-', u'_');
        if (name.isEmpty())
            continue;
        if (isEnglish(name))
            return QString::fromLatin1(English);
        // The name as given, then as Qt completes it ("pt" is Brazilian), then the language alone ("de_AT").
        const QStringList candidates = {name, QLocale(name).name(), name.section(u'_', 0, 0)};
        for (const QString &candidate : candidates)
            if (QFile::exists(ownFile(QStringLiteral(":/i18n"), candidate)))
                return candidate;
    }
    return QString::fromLatin1(English);
}

QStringList FromEnvironment()
{
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    QStringList languages;
    const QString name = locale.section(u'.', 0, 0);
    if (name != QLatin1String("C") && name != QLatin1String("POSIX"))
        languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    if (!locale.isEmpty())
        languages << locale;
#ifdef Q_OS_WIN
    if (languages.isEmpty())
        languages = QLocale::system().uiLanguages();
#endif
    return languages;
}

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
    QLocale::setDefault(QLocale(language));
    return language;
}

QString Current() { return installed().language; }

} // namespace Language
