#include "WindowLook.h"

#include "Language.h"
#include "ProgramFacts.h"
#include "SiteAddresses.h"
#include "WindowFit.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
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
        FitToTexts(window);
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
