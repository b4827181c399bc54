#include "Program.h"

#include "Messages.h"
#include "SettingsKeys.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmPromotion.h"
#include "modHelp.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcStartup, "quorvis.startup", QtWarningMsg)

namespace {
// Dates are stored as ISO 8601 text, so the value reads back the same whatever the locale.
constexpr Qt::DateFormat StoredDateFormat = Qt::ISODate;
} // namespace

Program::Program() : Program(Environment{}) {}

Program::Program(Environment environment) : m_env(std::move(environment))
{
    if (!m_env.today)
        m_env.today = [] { return QDate::currentDate(); };
}

Program::~Program()
{
    // Windows closed during the last event may still be waiting for their deferred deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Every window the registry made is in the loaded list until it is unloaded.
    for (const QPointer<QWidget> &window : std::as_const(m_loaded))
        delete window.data();
}

bool Program::StartProgram()
{
    if (anotherCopyIsRunning()) {
        ShowMessage(nullptr, tr("Application is already running"), QMessageBox::Information);
        ExitProgram();
        return false;
    }
    qCDebug(lcStartup, "single-copy guard");
    m_random.seed(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() ^ QCoreApplication::applicationPid()));
    CheckUpdateReminder();
    qCDebug(lcStartup, "update reminder");
    frmMain &main = mainWindow();
    qCDebug(lcStartup, "main window made");
    main.show();
    qCDebug(lcStartup, "main window shown");
    CoBrand_Randomize();
    if (m_firstStartDate.isValid() || lcStartup().isDebugEnabled())
        m_main->installEventFilter(this); // the first paint: a first start's date is stored then
    return true;
}

// A first start's date is written once the main window is on screen: writing the store (its lock and a
// synced file) is the slowest part of a first start and nothing on screen waits for it.
bool Program::eventFilter(QObject *watched, QEvent *event)
{
    // (Only paint events are compared: the others include those of the window's own destruction.)
    if (event->type() == QEvent::Paint && watched == static_cast<QObject *>(m_main.data())) {
        watched->removeEventFilter(this);
        qCDebug(lcStartup, "main window painted");
        if (m_firstStartDate.isValid())
            QMetaObject::invokeMethod(this, &Program::storeFirstStartDate, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Program::storeFirstStartDate()
{
    const std::unique_ptr<QSettings> settings = openSettings();
    if (settings->status() == QSettings::NoError)
        storeDate(*settings, m_firstStartDate);
    m_firstStartDate = {};
}

void Program::storeDate(QSettings &settings, QDate date)
{
    settings.setValue(QLatin1String(SettingsKeys::ReminderDate), date.toString(StoredDateFormat));
    settings.sync();
}

QString Program::defaultLockFilePath()
{
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt answers with the home folder): the per-user temporary folder it is.
    QString dir;
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    QString name = QCoreApplication::applicationName() + QLatin1String(".lock");
    if (dir.isEmpty()) {
        // The temporary directory is shared between users: keep one lock per user.
        dir = QDir::tempPath();
        const QByteArray user = qgetenv("USER").isEmpty() ? qgetenv("USERNAME") : qgetenv("USER");
        name = QCoreApplication::applicationName() + QLatin1Char('-') + QString::fromLocal8Bit(user) +
               QLatin1String(".lock");
    }
    return QDir(dir).filePath(name);
}

// One running copy per user. The lock names the process holding it, so a copy that crashed or was killed
// leaves a stale lock that the next start takes over.
bool Program::anotherCopyIsRunning()
{
    const QString path = m_env.lockFile.isEmpty() ? defaultLockFilePath() : m_env.lockFile;
    m_lock = std::make_unique<QLockFile>(path);
    m_lock->setStaleLockTime(0); // stale only when its owner no longer runs, however old it is
    if (m_lock->tryLock(0))
        return false;
    if (m_lock->error() == QLockFile::LockFailedError)
        return true;
    // The lock cannot be made at all (no writable directory): the guard cannot tell, so let this copy run.
    return false;
}

std::unique_ptr<QSettings> Program::openSettings() const
{
    if (!m_env.settingsFile.isEmpty())
        return std::make_unique<QSettings>(m_env.settingsFile, QSettings::IniFormat);
    const QString app = QCoreApplication::applicationName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, app, app);
}

// Asks at most once a fortnight whether to look for an update. A store that cannot be read or written, or a
// value that is not a date, ends the reminder quietly. A first start's date is stored once the main window is
// painted.
void Program::CheckUpdateReminder()
{
    const std::unique_ptr<QSettings> settings = openSettings();
    if (settings->status() != QSettings::NoError)
        return;
    const QString stored = settings->value(QLatin1String(SettingsKeys::ReminderDate)).toString();
    if (settings->status() != QSettings::NoError)
        return;
    const QDate today = m_env.today();
    if (stored.isEmpty()) {
        m_firstStartDate = today;
        return;
    }
    const QDate last = QDate::fromString(stored.trimmed(), StoredDateFormat);
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    const auto answer = ShowMessage(nullptr,
                                    tr("There maybe an update to this software available\r"
                                       "Do you want to check for an update?"),
                                    QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
    storeDate(*settings, today);
    if (answer == QMessageBox::Yes)
        modHelp::OpenDownloadPage();
}

void Program::CoBrand_Randomize()
{
    m_coBrandRandomNumber = randomNumber(1, 6);
    if (!m_main)
        return;
    if (m_coBrandRandomNumber % 2 == 1)
        m_main->coBrandLabel()->raise();
    else
        m_main->fullBrandLabel()->raise();
}

int Program::randomNumber(int lowest, int highest)
{
    if (m_env.random)
        return m_env.random(lowest, highest);
    return m_random.bounded(lowest, highest + 1);
}

void Program::track(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_loaded.append(window);
}

frmMain &Program::mainWindow()
{
    if (!m_main) {
        m_main = new frmMain(*this);
        track(m_main);
    }
    return *m_main;
}

frmDisplay &Program::displayWindow()
{
    if (!m_display) {
        m_display = new frmDisplay(*this);
        track(m_display);
    }
    return *m_display;
}

frmPromotion &Program::promotionWindow()
{
    if (!m_promotion) {
        m_promotion = new frmPromotion(*this);
        track(m_promotion);
    }
    return *m_promotion;
}

void Program::showPromotionWindow()
{
    if (m_exiting)
        return;
    frmPromotion &promotion = promotionWindow();
    promotion.show();
    promotion.raise();
    promotion.activateWindow();
}

void Program::showExactWindow(const QWidget *from)
{
    if (!m_exact) {
        m_exact = new frmExact(*this);
        track(m_exact);
        if (m_main)
            m_exact->prefillFrom(m_main, from && from == static_cast<const QWidget *>(m_display.data()));
    }
    m_exact->show();
    m_exact->raise();
    m_exact->activateWindow();
}

void Program::hidePromotionWindow()
{
    if (m_promotion)
        m_promotion->hide();
}

void Program::showAboutWindow(QWidget *owner)
{
    frmAbout about(owner);
    m_loaded.append(&about);
    about.exec();
    windowUnloaded(&about);
}

void Program::windowUnloaded(QWidget *window)
{
    m_loaded.removeAll(window);
    if (window == m_main)
        m_main = nullptr;
    else if (window == m_display)
        m_display = nullptr;
    else if (window == m_promotion)
        m_promotion = nullptr;
    else if (window == m_exact)
        m_exact = nullptr;
}

QList<QWidget *> Program::loadedWindows() const
{
    QList<QWidget *> out;
    for (const QPointer<QWidget> &window : m_loaded)
        if (window)
            out.append(window);
    return out;
}

// Unloads every loaded window, hidden ones included, then ends the event loop. An unload handler that calls
// back in here (the promotion window's does) finds the shutdown already under way.
void Program::ExitProgram()
{
    if (m_exiting)
        return;
    m_exiting = true;
    const QList<QPointer<QWidget>> loaded = m_loaded;
    for (const QPointer<QWidget> &window : loaded) {
        if (window)
            window->close();
    }
    QCoreApplication::exit(0);
}
