// Helpers shared by the window tests: finding controls, answering message boxes and catching opened pages.
#pragma once

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

// The control `name` under `root`. A test cannot go on without it, so a missing one stops the run by name.
template <typename T = QWidget> T *childOf(const QObject *root, const char *name)
{
    T *w = root->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s under %s", name, qPrintable(root->objectName()));
    return w;
}

// Asks the main window for a reading as a user would, with the shortest name it accepts.
inline void askForReading(QWidget *mainWindow)
{
    childOf<QLineEdit>(mainWindow, "txtName")->setText(QStringLiteral("A"));
    childOf<QPushButton>(mainWindow, "cmdProceed")->click();
}

struct SeenMessage
{
    QString title;
    QString text;
    QString informativeText;
    QString detailedText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
};

// While alive, answers every modal message box that comes up with `answer` and records what it showed.
class MessageAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit MessageAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageAnswerer::poll);
        m_timer.start(5);
    }

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    QList<SeenMessage> seen;
    QStringList texts() const
    {
        QStringList out;
        for (const auto &m : seen)
            out << m.text;
        return out;
    }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        SeenMessage m;
        m.title = box->windowTitle();
        m.text = box->text();
        m.informativeText = box->informativeText();
        m.detailedText = box->detailedText();
        m.icon = box->icon();
        m.buttons = box->standardButtons();
        m.modal = box->isModal();
        seen << m;
        if (QAbstractButton *b = box->button(m_answer))
            b->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

// While alive, takes every http(s) address the program opens instead of a browser.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlRecorder() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> urls;
    QStringList strings() const
    {
        QStringList out;
        for (const auto &u : urls)
            out << u.toString(QUrl::FullyEncoded);
        return out;
    }

public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

// Top-level widgets still shown; a test ends with none.
inline QWidgetList visibleTopLevels()
{
    QWidgetList out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            out << w;
    return out;
}

// `window` drawn as on a screen of `scale`, over black, so that anything it leaves unpainted shows.
inline QImage renderAt(QWidget *window, qreal scale)
{
    QPixmap canvas(window->size() * scale);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::black);
    window->render(&canvas);
    return canvas.toImage();
}

// With QUORVIS_SHOTS set to a folder, keeps `image` there as `<name>@<scale>x.png` (the README's pictures are
// made so); true when there is nothing to keep or it was kept.
inline bool keepShot(const QImage &image, const QString &name)
{
    const QString shots = qEnvironmentVariable("QUORVIS_SHOTS");
    if (shots.isEmpty())
        return true;
    QDir().mkpath(shots);
    return image.save(
        QDir(shots).filePath(QStringLiteral("%1@%2x.png").arg(name).arg(image.devicePixelRatio())));
}
