// The one fold of the gazetteer's names, used both by the build-time tool that writes the search index and by
// the search for what is typed, so that a name and its typed spelling can never be folded two ways. It relies
// on Qt's own Unicode tables only, never the platform's, so a Windows build folds as the Linux one does.
#include "Places.h"

#include <QChar>
#include <QString>

namespace quorvis::places {

namespace {

// Marks that stand for a left-out letter or a glottal stop rather than for a break between words.
bool IsApostrophe(char32_t c)
{
    return c == U'\'' || c == U'"' || c == U'`' || c == U'\u2019' || c == U'\u02BB' || c == U'\u02BC' ||
           c == U'\u00B4';
}

// Letters without a canonical decomposition that people type as plain Latin ones.
const char16_t *Spelled(char32_t c)
{
    switch (c) {
    case U'ß':
        return u"ss";
    case U'æ':
        return u"ae";
    case U'œ':
        return u"oe";
    case U'ø':
        return u"o";
    case U'ł':
        return u"l";
    case U'đ':
    case U'ð':
        return u"d";
    case U'þ':
        return u"th";
    case U'ı':
        return u"i";
    default:
        return nullptr;
    }
}

// SearchKey, or with `keepLetters` the letters as written: accents kept and nothing spelled out.
QString Fold(QStringView text, bool keepLetters)
{
    // Apostrophes go first: a compatibility decomposition turns "´" into a space and an accent.
    QString plain;
    plain.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        if (!IsApostrophe(c))
            plain.append(QStringView(QChar::fromUcs4(c)));
    // Decomposed before folding case: "İ" is "I" and a dot above, so "İstanbul" and "Istanbul" meet, and
    // compatibility forms ("ﬁ", full-width letters) become the plain ones.
    const QString folded = plain.normalized(QString::NormalizationForm_KD).toCaseFolded();

    QString key;
    key.reserve(folded.size());
    bool space = false;
    for (const char32_t c : folded.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing || IsApostrophe(c)) {
            if (keepLetters && !key.isEmpty() && !space && !IsApostrophe(c))
                key.append(QStringView(QChar::fromUcs4(c)));
            continue;
        }
        const bool letter = QChar::isLetterOrNumber(c);
        if (!letter) {
            space = !key.isEmpty();
            continue;
        }
        if (space)
            key.append(u' ');
        space = false;
        if (const char16_t *spelled = keepLetters ? nullptr : Spelled(c))
            key.append(QStringView(spelled));
        else
            key.append(QStringView(QChar::fromUcs4(c)));
    }
    return keepLetters ? key.normalized(QString::NormalizationForm_C) : key;
}

} // namespace

QString SearchKey(QStringView text) { return Fold(text, false); }

QString WrittenKey(QStringView text) { return Fold(text, true); }

} // namespace quorvis::places
