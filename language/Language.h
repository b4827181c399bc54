// The language Quorvis speaks: English, the source language of every text, or one of the translations compiled
// into the program (":/i18n/quorvis_<name>.qm"), with Qt's own translation of its standard buttons and dialogs
// beside it. Chosen once at start from the system's languages; English installs nothing.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace Language {

// The name of the source language.
inline constexpr char English[] = "en";

// The translations built into the program, by name ("de", "pt_BR", ...), and the file that holds each.
QStringList BuiltIn();
QString BuiltInFile(const QString &name);

// The first of `preferred` (as QLocale::uiLanguages() lists them: "de-DE", "pt-BR", "en") that Quorvis speaks,
// English among them; English when it speaks none of them. A region without a translation of its own reads the
// language's ("pt-PT" and "pt-AO" read Brazilian Portuguese, "de-CH" German); a language without any passes to
// the next in the list.
QString Choose(const QStringList &preferred);

// The language both programs speak: Choose on the system's list of the user's languages
// (QLocale::system().uiLanguages(): on Linux LANGUAGE, a priority list, else LC_ALL, LC_MESSAGES and LANG; on
// Windows the display languages).
QString OfSystem();

// Speaks `language` from now on: installs its translation and Qt's own, and makes the default locale the
// language's, in the region's variant where it has one (month names, for dates in sentences). English (or a
// language without a translation) removes any installed before. `folder` holds quorvis_<language>.qm; the
// tests give the folder of the pseudo-language. Returns the language now spoken.
QString Use(const QString &language, const QString &folder = QStringLiteral(":/i18n"));

// The language spoken now; English until Use says otherwise.
QString Current();
inline bool SpeaksEnglish() { return Current() == QLatin1String(English); }

// The month names of a list, `translated` being the translation's (January first): where the region's variant
// of the language spoken names a month otherwise than the language does (QLocale's standalone names: "Jänner"
// in Austria), the region's name, capitalised as the translation's; the translation's everywhere else, and
// always in English.
QStringList MonthNames(const QStringList &translated);

} // namespace Language
