#include "WindowLook.h"

#include "Language.h"
#include "ProgramFacts.h"
#include "SiteAddresses.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

QIcon ProgramIcon()
{
    // Qt decodes every size added here and sends them all to the window system with each window, so only the
    // sizes a title bar or task bar draws (64 being 32 at scale 2); desktops take the larger ones from the
    // installed theme icon.
    // Read as PNG by name: a reader left to guess the format would ask every image plug-in installed and so
    // load them all.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 64}) {
            QImageReader reader(QStringLiteral(":/icons/quorvis-%1.png").arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            i.addPixmap(QPixmap::fromImageReader(&reader));
        }
        return i;
    }();
    return icon;
}

// The forms are laid out for Verdana, which most Linux desktops lack. Its usual stand-in there is a little
// wider, enough to cut off the ends of texts that fit their boxes by design, so prefer a face no wider than
// it.
void PreferNarrowStandIns()
{
    static const bool done = [] {
        if (!QFontDatabase::hasFamily(QStringLiteral("Verdana")))
            QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans Condensed"),
                                                                   QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

QFont DrawingFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Segoe UI Symbol"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

namespace {
// Designer stores whole point sizes only; the forms keep the exact size in a dynamic property.
void applyFractionalPointSize(QWidget *widget)
{
    const QVariant size = widget->property("fontPointSize");
    if (!size.isValid())
        return;
    QFont font = widget->font();
    font.setPointSizeF(size.toDouble());
    widget->setFont(font);
}

// Labels marked "autoSize" follow their single line of text, as the form's design font may be substituted
// by one of other widths. A centred label keeps its centre, any other its left edge.
void sizeLabelToText(QWidget *widget)
{
    auto *label = qobject_cast<QLabel *>(widget);
    if (!label || !label->property("autoSize").toBool())
        return;
    SizeLabelToText(label);
}
} // namespace

void SizeLabelToText(QLabel *label)
{
    const QRect design = label->geometry();
    const QSize hint = label->sizeHint();
    QRect r(design.topLeft(), QSize(hint.width(), design.height()));
    if (label->alignment() & Qt::AlignHCenter)
        r.moveCenter(QPoint(design.center().x(), r.center().y()));
    label->setGeometry(r);
}

namespace {

// The texts a control may come to show: its own, and those it is given later (dynamic property "fitTexts").
QStringList textsOf(const QWidget *control, const QString &own)
{
    QStringList texts = control->property("fitTexts").toStringList();
    if (!own.isEmpty())
        texts << own;
    return texts;
}

bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

int widestText(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(QString(text).remove(u'&')));
    return widest;
}

// How many times wider than it is `control` must be to show its texts whole in one line; 0 for a control
// that wraps or shows no text.
double widthNeeded(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    const int width = std::max(1, control->width());
    int needed = 0;
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap() || !label->pixmap().isNull())
            return 0;
        // Its own text through the label's size hint, which the label keeps and the sizing to text that
        // follows asks for again; the texts it is given later measured here.
        const QMargins margins = label->contentsMargins();
        needed = std::max(label->sizeHint().width(), widestText(metrics, textsOf(label, QString())) +
                                                         margins.left() + margins.right() +
                                                         2 * std::max(0, label->margin()));
    } else if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        needed = box->sizeHint().width();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        needed = widestText(metrics, {button->text()}) + 2 * margin + 4;
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        needed = widestText(metrics, {frame->title()}) + 2 * metrics.height();
    } else if (const auto *list = qobject_cast<const QComboBox *>(control)) {
        // Numbers (the days, the years) are written alike in every language and the English layout holds them;
        // only the words are measured, which keeps a list of two hundred years from being shaped at start-up.
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            if (const QString item = list->itemText(i); !isNumber(item))
                items << item;
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        needed = widestText(metrics, items) + (width - field.width()) + 2;
    }
    return double(needed) / width;
}

// How many times taller than it is a wrapping label must be to show its longest text at `width`.
double heightNeeded(const QLabel *label, int width)
{
    if (!label->wordWrap())
        return 0;
    QLabel probe;
    probe.setFont(label->font());
    probe.setWordWrap(true);
    probe.setContentsMargins(label->contentsMargins());
    probe.setMargin(label->margin());
    probe.setIndent(label->indent());
    int needed = 0;
    for (const QString &text : textsOf(label, label->text())) {
        probe.setText(text);
        needed = std::max(needed, probe.heightForWidth(width));
    }
    return double(needed) / std::max(1, label->height());
}

// Stretches the controls of `root` (places and sizes, recursively) by `across` and `down`, edges rounded so
// that controls which met still meet and controls apart stay apart. Pictures keep their size. A rectangle a
// form keeps for later (dynamic property "designGeometry") is stretched with its control.
void stretch(QWidget *root, double across, double down)
{
    const auto scaled = [across, down](const QRect &g) {
        const int left = int(std::lround(g.left() * across));
        const int top = int(std::lround(g.top() * down));
        return QRect(left, top, int(std::lround((g.left() + g.width()) * across)) - left,
                     int(std::lround((g.top() + g.height()) * down)) - top);
    };
    for (QWidget *child : root->findChildren<QWidget *>()) {
        if (child->isWindow())
            continue;
        QRect g = scaled(child->geometry());
        if (const auto *label = qobject_cast<const QLabel *>(child); label && !label->pixmap().isNull())
            g.setSize(child->size());
        child->setGeometry(g);
        if (const QVariant design = child->property("designGeometry"); design.isValid())
            child->setProperty("designGeometry", scaled(design.toRect()));
    }
    const QSize size(int(std::lround(root->minimumWidth() * across)),
                     int(std::lround(root->minimumHeight() * down)));
    root->setMinimumSize(size);
    root->setMaximumSize(size);
}

// A wrapping label that reaches past the right edge of its container shows only the part within it; a longer
// text would wrap into the part that does not show, so it wraps within what shows.
void keepWrappingLabelsWithin(QWidget *root, const QList<QWidget *> &controls)
{
    for (QWidget *control : controls)
        if (auto *label = qobject_cast<QLabel *>(control); label && label->wordWrap()) {
            const QWidget *container = label->parentWidget();
            const int right = container == root ? root->minimumWidth()
                                                : container->contentsRect().x() + container->contentsRect().width();
            if (label->geometry().right() >= right && label->x() < right)
                label->resize(right - label->x(), label->height());
        }
}

struct Fit
{
    double across = 1;
    double down = 1;
};

// A form is laid out for its English texts. Where a translation is longer, the whole form grows in proportion,
// first in width until every one-line text fits, then in height until every wrapping text does; what is
// beside or below a control stays beside or below it.
Fit measureFit(QMainWindow *main, const QWidget *root, const QList<QWidget *> &controls)
{
    Fit fit;
    for (const QWidget *control : controls)
        fit.across = std::max(fit.across, widthNeeded(control));
    if (main && main->menuWidget())
        if (auto *bar = qobject_cast<QMenuBar *>(main->menuWidget()))
            fit.across = std::max(fit.across, double(bar->sizeHint().width()) / std::max(1, root->minimumWidth()));
    for (const QWidget *control : controls)
        if (const auto *label = qobject_cast<const QLabel *>(control))
            fit.down = std::max(fit.down, heightNeeded(label, int(std::lround(label->width() * fit.across))));
    return fit;
}

void fitToTexts(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    QWidget *root = main && main->centralWidget() ? main->centralWidget() : window;
    const QList<QWidget *> controls = root->findChildren<QWidget *>();
    keepWrappingLabelsWithin(root, controls);
    if (const Fit fit = measureFit(main, root, controls); fit.across > 1 || fit.down > 1)
        stretch(root, fit.across, fit.down);
}

} // namespace

void PrepareWindow(QWidget *window)
{
    // Dialogs stay dialogs; everything else becomes a plain top-level window.
    const Qt::WindowFlags type =
        (window->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window->setWindowFlags((window->windowFlags() & Qt::WindowStaysOnTopHint) | type |
                           Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(ProgramTitleText());
    // The icon's pictures are decoded and handed to the window system only once the event loop is free
    // again: a window appears sooner without them, and its title bar takes the icon a moment later.
    QMetaObject::invokeMethod(
        window, [window] { window->setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);
    applyFractionalPointSize(window);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        applyFractionalPointSize(child);
    if (!Language::SpeaksEnglish())
        fitToTexts(window);
    for (QWidget *child : children)
        sizeLabelToText(child);
    window->adjustSize();
    window->setFixedSize(window->size());
    CentreOnScreen(window);
}

// The style draws the faces of buttons once and keeps them in the pixmap cache, named after the palette they
// were drawn in; a palette is known there by its identity, not by its colours. A form's controls get palettes
// of their own, new ones with every window, so each result window of a long session drew its buttons again
// and left the last window's faces in the cache until it was full (10 MB), and the cache keeps the name of
// every face it has let go. Given one shared palette per colour scheme, with every colour set so that no
// parent's palette changes it, each new window finds its faces under the names the last one left.
QPalette CompletePalette(QPalette palette)
{
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    return palette;
}

void ShareControlPalettes(QWidget *window)
{
    static std::vector<QPalette> shared; // one per colour scheme the forms use: a handful
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isWindow() || !control->testAttribute(Qt::WA_SetPalette))
            continue;
        const QPalette complete = CompletePalette(control->palette());
        auto same = std::find(shared.begin(), shared.end(), complete);
        if (same == shared.end())
            same = shared.insert(same, complete);
        control->setPalette(*same);
    }
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QString ProgramTitleText() { return QString::fromUtf8(ProgramTitle); }

QString BoardAdvertText()
{
    return QCoreApplication::translate(
               "WindowLook", "The most popular online discussion board and the best resource for astrology and "
                             "the occult on the Internet. Visit %1 Now")
        .arg(QLatin1String(MakerSiteHost));
}
