// A window's layout table, row by row, against its live controls: place and size (design units, 15 to a
// pixel), colours by the kind of control, font, and text. Each window's test keeps its own table and adds
// what is particular to that window; the rules here hold for every window of the program, and for its icon
// boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QStringList>
#include <QStyleOption>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>

#include "WindowLook.h"

// Design units to pixels.
inline int px(int units) { return qRound(units / 15.0); }

struct LayoutRow
{
    const char *in; // where the control lies: its window or the frame holding it
    const char *name;
    int left, top, width, height; // design units
    const char *fore;             // text colour, or "" for the standard one
    const char *back;             // background colour, or "" for transparent or standard
    const char *family;           // "" for none of its own
    double points;
    bool bold, underline, sizesToText;
    QString text = {}; // caption or contents; null: not checked with the row
};

// A data row per control of `table`, named by its place and name, for a test function that takes "row".
template <typename Table> void addLayoutRows(const Table &table)
{
    QTest::addColumn<int>("row");
    int index = 0;
    for (const LayoutRow &r : table)
        QTest::addRow("%s %s", r.in, r.name) << index++;
}

inline bool isInputField(const QWidget *w)
{
    return qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w);
}

// Input fields draw on Base in Text, buttons on Button in ButtonText, everything else on Window in
// WindowText.
struct ColourRoles
{
    QPalette::ColorRole fore, back;
};
inline ColourRoles colourRoles(const QWidget *w)
{
    if (isInputField(w))
        return {QPalette::Text, QPalette::Base};
    if (qobject_cast<const QAbstractButton *>(w))
        return {QPalette::ButtonText, QPalette::Button};
    return {QPalette::WindowText, QPalette::Window};
}

namespace layoutcheck {

inline QString shown(const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("(none)"); }
template <typename T> QString shown(const T &value)
{
    QString out;
    QDebug(&out).nospace().noquote() << value;
    return out;
}

// Collects one line per difference.
struct Differences
{
    QStringList lines;
    void require(bool holds, const QString &what)
    {
        if (!holds)
            lines << what;
    }
    template <typename A, typename E> void compare(const char *what, const A &actual, const E &expected)
    {
        if (!(actual == expected))
            lines << QStringLiteral("%1 is %2, not %3")
                         .arg(QLatin1String(what), shown(actual), shown(expected));
    }
};

} // namespace layoutcheck

// How `control` differs from its row, one line a difference; empty when it matches.
inline QString layoutMismatch(const QWidget *control, const LayoutRow &row)
{
    layoutcheck::Differences d;
    const QPalette &palette = control->palette();
    const QPalette standard = QApplication::palette();
    const auto *label = qobject_cast<const QLabel *>(control);
    const bool picture = label && !label->pixmap().isNull();

    const QRect g = control->geometry();
    const QRect design(px(row.left), px(row.top), px(row.width), px(row.height));
    if (row.sizesToText) {
        // The width follows the text in the font at hand; the height stays as designed, and so does the left
        // edge, or the centre of a centred label.
        d.require(label, QStringLiteral("sizes to its text but is no label"));
        if (label) {
            d.compare("top", g.top(), design.top());
            d.compare("size", g.size(), QSize(label->sizeHint().width(), design.height()));
            if (label->alignment() & Qt::AlignHCenter)
                d.require(
                    qAbs(g.center().x() - design.center().x()) <= 1,
                    QStringLiteral("centre %1 is not at %2").arg(g.center().x()).arg(design.center().x()));
            else
                d.compare("left", g.left(), design.left());
        }
    } else {
        d.compare("geometry", g, design);
    }

    // Colours: the table's, or the standard ones, which coloured frames must not leak into their controls.
    const auto [fore, back] = colourRoles(control);
    d.compare("text colour", palette.color(fore),
              *row.fore ? QColor(QLatin1String(row.fore)) : standard.color(fore));
    if (*row.back) {
        d.compare("background", palette.color(back), QColor(QLatin1String(row.back)));
        if (back == QPalette::Window)
            d.require(control->autoFillBackground(), QStringLiteral("its background is not painted"));
    } else if (back != QPalette::Window) {
        d.compare("background", palette.color(back), standard.color(back));
    } else if (label && !picture) {
        d.require(!control->autoFillBackground(),
                  QStringLiteral("a transparent label paints its background"));
    }

    if (*row.family) {
        const QFont font = control->font();
        d.compare("font family", font.family(), QLatin1String(row.family));
        d.require(qFuzzyCompare(font.pointSizeF(), row.points),
                  QStringLiteral("font size is %1, not %2").arg(font.pointSizeF()).arg(row.points));
        d.compare("bold", font.bold(), row.bold);
        d.compare("underline", font.underline(), row.underline);
    }

    if (!row.text.isNull()) {
        if (label)
            d.compare("text", label->text(), row.text);
        else if (auto *button = qobject_cast<const QAbstractButton *>(control))
            d.compare("caption", button->text(), row.text);
        else if (auto *line = qobject_cast<const QLineEdit *>(control))
            d.compare("contents", line->text(), row.text);
        else if (auto *frame = qobject_cast<const QGroupBox *>(control))
            d.compare("caption", frame->title(), row.text);
        else
            d.require(false, QStringLiteral("has a text in the table but shows none"));
    }
    if (label && !picture)
        d.compare("text format", label->textFormat(), Qt::PlainText);
    if (isInputField(control))
        d.require(!control->accessibleName().isEmpty(),
                  QStringLiteral("an input field without an accessible name"));

    return d.lines.join(QStringLiteral("; "));
}

// How an icon box (a label showing the program icon) differs from one: it fills with the system window
// colour, is named for a screen reader, and takes no markup. Empty when it is one.
inline QString iconBoxMismatch(const QLabel *box)
{
    layoutcheck::Differences d;
    d.require(!box->pixmap().isNull(), QStringLiteral("shows no picture"));
    d.compare("background role", box->backgroundRole(), QPalette::Base);
    d.require(box->autoFillBackground(), QStringLiteral("its background is not painted"));
    d.require(!box->accessibleName().isEmpty(), QStringLiteral("it has no accessible name"));
    d.compare("text format", box->textFormat(), Qt::PlainText);
    return d.lines.join(QStringLiteral("; "));
}

// The colour at (x, y) of a window's picture, counted in the window's own pixels.
inline QColor pixelAt(const QImage &shot, int x, int y)
{
    const qreal dpr = shot.devicePixelRatio();
    return shot.pixelColor(qRound(x * dpr), qRound(y * dpr));
}

// How a window's picture fails to show the program icon inside the one-pixel border of the icon box whose
// top-left corner is `box`; empty when it shows it.
inline QString iconDrawnMismatch(const QImage &shot, QPoint box)
{
    // The icon as drawn for the shot's scale: at 2 the window shows the 64-pixel picture.
    const qreal dpr = shot.devicePixelRatio();
    const QImage icon =
        ProgramIcon().pixmap(QSize(32, 32), dpr).toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint inner = box + QPoint(1, 1);
    QStringList lines;
    for (int y = 0; y < 32; y += 4)
        for (int x = 0; x < 32; x += 4) {
            const QColor want = icon.pixelColor(qRound(x * dpr), qRound(y * dpr));
            const QColor seen = pixelAt(shot, inner.x() + x, inner.y() + y);
            if (want.alpha() == 255 && seen != want)
                lines << QStringLiteral("icon pixel (%1, %2) is %3, not %4")
                             .arg(x)
                             .arg(y)
                             .arg(seen.name(), want.name());
        }
    return lines.join(QStringLiteral("; "));
}

// ---- texts that fit -------------------------------------------------------------------------------------

// The shown texts of `control`: a label's, a button's or a frame's caption, every entry of a list.
inline QStringList shownTexts(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->pixmap().isNull() && !label->text().isEmpty() ? QStringList{label->text()} : QStringList{};
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return {button->text()};
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return {frame->title()};
    if (const auto *list = qobject_cast<const QComboBox *>(control)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
    return {};
}

// How `control` cuts off its text, or empty when it shows it whole: a one-line text wider than its box, a
// wrapping text taller than it, a list entry wider than the list's field.
inline QString clippedText(const QWidget *control)
{
    QStringList lines;
    const QFontMetrics metrics = control->fontMetrics();
    const auto advance = [&metrics](QString text) { return metrics.horizontalAdvance(text.remove(u'&')); };
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            return lines.join(u' ');
        const int room = label->contentsRect().width() - 2 * label->margin();
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                lines << QStringLiteral("needs %1 px of height, has %2")
                             .arg(label->heightForWidth(label->width()))
                             .arg(label->height());
        } else if (advance(label->text()) > room) {
            lines << QStringLiteral("needs %1 px of width, has %2").arg(advance(label->text())).arg(room);
        }
    } else if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        if (box->sizeHint().width() > box->width())
            lines << QStringLiteral("needs %1 px of width, has %2").arg(box->sizeHint().width()).arg(box->width());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // A button as wide as the style asks for its text (one a layout sizes) shows it whole; one of a fixed
        // width keeps the style's margin on both sides.
        const int room = button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        if (advance(button->text()) > room && button->width() < button->sizeHint().width())
            lines << QStringLiteral("needs %1 px of width, has %2").arg(advance(button->text())).arg(room);
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        if (advance(frame->title()) + 2 * metrics.height() > frame->width())
            lines << QStringLiteral("its caption is wider than the frame");
    } else if (const auto *line = qobject_cast<const QLineEdit *>(control)) {
        // The example a placeholder gives must be readable whole: the room between the frame's margins and,
        // when the field has one, its clear button.
        if (!line->placeholderText().isEmpty()) {
            QStyleOptionFrame option;
            option.initFrom(line);
            option.lineWidth = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
            const QMargins margins = line->textMargins();
            int room = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line).width() -
                       margins.left() - margins.right() - 4; // the field's own 2 px on each side
            if (line->isClearButtonEnabled())
                room -= line->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, line) + 4;
            if (advance(line->placeholderText()) > room)
                lines << QStringLiteral("placeholder \"%1\" needs %2 px, has %3")
                             .arg(line->placeholderText())
                             .arg(advance(line->placeholderText()))
                             .arg(room);
        }
    } else if (const auto *list = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (const QString &item : shownTexts(list))
            if (advance(item) > room)
                lines << QStringLiteral("entry \"%1\" needs %2 px, has %3").arg(item).arg(advance(item)).arg(room);
    }
    return lines.join(QStringLiteral("; "));
}

// Menu-bar entries that do not show whole in the bar (the bar hides them behind its extension button).
inline QStringList clippedMenus(const QMenuBar *bar)
{
    QStringList out;
    for (QAction *action : bar->actions())
        if (action->isVisible() && !bar->rect().contains(bar->actionGeometry(action)))
            out << action->text();
    return out;
}

// The visible controls of `window` that overlap a sibling, as "first/second" name pairs, and those that reach
// out of their container, as "name/outside".
inline QSet<QString> overlappingControls(const QWidget *window)
{
    QSet<QString> pairs;
    QList<QWidget *> parents = window->findChildren<QWidget *>();
    parents << const_cast<QWidget *>(window);
    for (const QWidget *parent : std::as_const(parents)) {
        QList<const QWidget *> siblings;
        for (const QObject *child : parent->children())
            if (auto *w = qobject_cast<const QWidget *>(child); w && !w->isWindow() && w->isVisibleTo(window) &&
                                                               !w->objectName().isEmpty() &&
                                                               !qobject_cast<const QMenuBar *>(w))
                siblings << w;
        for (qsizetype i = 0; i < siblings.size(); ++i) {
            if (!parent->rect().contains(siblings[i]->geometry()))
                pairs << siblings[i]->objectName() + QLatin1String("/outside");
            for (qsizetype j = i + 1; j < siblings.size(); ++j)
                if (siblings[i]->geometry().intersects(siblings[j]->geometry()))
                    pairs << siblings[i]->objectName() + u'/' + siblings[j]->objectName();
        }
    }
    return pairs;
}

// The access keys (the letter after a single "&") of `texts` that come more than once.
inline QStringList repeatedAccessKeys(const QStringList &texts)
{
    QStringList seen, repeated;
    for (const QString &text : texts)
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != u'&')
                continue;
            if (text[i + 1] == u'&') {
                ++i;
                continue;
            }
            const QString key = text[i + 1].toLower();
            (seen.contains(key) ? repeated : seen) << key;
            break;
        }
    return repeated;
}
