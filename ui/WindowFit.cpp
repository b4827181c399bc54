#include "WindowFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleOptionComboBox>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

// How much the form must grow, across and then down.
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

} // namespace

void FitToTexts(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    QWidget *root = main && main->centralWidget() ? main->centralWidget() : window;
    const QList<QWidget *> controls = root->findChildren<QWidget *>();
    keepWrappingLabelsWithin(root, controls);
    if (const Fit fit = measureFit(main, root, controls); fit.across > 1 || fit.down > 1)
        stretch(root, fit.across, fit.down);
}
