// The language Quorvis speaks: English, the source language of every text, or one of the translations compiled
// into the program (":/i18n/quorvis_<name>.qm"), with Qt's own translation of its standard buttons and dialogs
// beside it. Chosen once at start from the system's languages; English installs nothing.
#pragma once

#include <QString>
#include <QStringList>

namespace Language {

// The name of the source language.
inline constexpr char English[] = "en";

// The first of `preferred` (as QLocale::uiLanguages() lists them: "de-DE", "pt-BR", "en") that Quorvis speaks,
// English among them; English when it speaks none of them.
QString Choose(const QStringList &preferred);

// The languages of the environment, as command-line programs read it: LANGUAGE (a list, unless the locale is
// C or POSIX), then the first of LC_ALL, LC_MESSAGES and LANG that is set. On Windows, when none is set, the
// system's user-interface languages.
QStringList FromEnvironment();

// Speaks `language` from now on: installs its translation and Qt's own, and makes it the default locale for
// numbers and dates. English (or a language without a translation) removes any installed before. `folder`
// holds quorvis_<language>.qm; the tests give the folder of the pseudo-language. Returns the language now
// spoken.
QString Use(const QString &language, const QString &folder = QStringLiteral(":/i18n"));

// The language spoken now; English until Use says otherwise.
QString Current();
inline bool SpeaksEnglish() { return Current() == QLatin1String(English); }

} // namespace Language
