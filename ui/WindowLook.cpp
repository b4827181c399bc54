#include "WindowLook.h"

#include "ProgramFacts.h"
#include "SiteAddresses.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVariant>
#include <QWidget>

QIcon ProgramIcon()
{
    // Qt decodes every size added here and sends them all to the window system with each window, so only the
    // sizes a title bar or task bar draws (64 being 32 at scale 2); desktops take the larger ones from the
    // installed theme icon.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 64})
            i.addFile(QStringLiteral(":/icons/quorvis-%1.png").arg(size), QSize(size, size));
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
    for (QWidget *child : children)
        sizeLabelToText(child);
    window->adjustSize();
    window->setFixedSize(window->size());
    CentreOnScreen(window);
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
    return QStringLiteral(
               "The most popular online discussion board and the best resource for astrology and the "
               "occult on the Internet. Visit %1 Now")
        .arg(QLatin1String(MakerSiteHost));
}
