// The life of the program: start-up (single copy, update reminder, main window, advert choice), the registry
// of loaded windows, and the shutdown that unloads them all.
//
// Windows are created on first use and stay loaded, shown or hidden, until they are unloaded (closed).
// Closing the main or the result window brings up the promotion window; closing that one ends the program.
#pragma once

#include "ProgramHost.h"
#include "frmDisplay.h"
#include "frmExact.h"
#include "frmMain.h"
#include "frmPromotion.h"
#include "reading.h"

#include <QDate>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;
class QSettings;

// The steps of start-up as they happen, for timing them where no profiler runs (under Wine, say): off unless
// asked for, with QT_LOGGING_RULES="quorvis.startup.debug=true" and a QT_MESSAGE_PATTERN with a time in it.
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

class Program final : public QObject, public ProgramHost
{
    Q_OBJECT
public:
    // What the program takes from its surroundings; tests replace these.
    struct Environment
    {
        std::function<QDate()> today;        // default: the system clock's date
        std::function<int(int, int)> random; // default: a generator seeded from the clock
        QString settingsFile;                // default: the per-user native settings store
        QString lockFile;                    // default: per user, in the runtime directory
    };

    Program();
    explicit Program(Environment environment);
    ~Program() override;

    // Runs the start-up steps in order. Returns false when this copy must end at once (another copy runs).
    bool StartProgram();
    void CheckUpdateReminder();
    void CoBrand_Randomize();

    int coBrandRandomNumber() const { return m_coBrandRandomNumber; }
    bool isExiting() const { return m_exiting; }
    // The windows loaded now, in the order they were created.
    QList<QWidget *> loadedWindows() const;
    frmDisplay *existingDisplayWindow() const { return m_display; }
    frmPromotion *existingPromotionWindow() const { return m_promotion; }
    frmMain *existingMainWindow() const { return m_main; }
    frmExact *existingExactWindow() const { return m_exact; }

    static QString defaultLockFilePath();

    // ProgramHost
    quorvis::ReadingValues &readingValues() override { return m_values; }
    frmMain &mainWindow() override;
    frmDisplay &displayWindow() override;
    frmPromotion &promotionWindow() override;
    void showPromotionWindow() override;
    void showExactWindow(const QWidget *from) override;
    std::unique_ptr<QSettings> openSettings() const override;
    void hidePromotionWindow() override;
    void showAboutWindow(QWidget *owner) override;
    void windowUnloaded(QWidget *window) override;
    int randomNumber(int lowest, int highest) override;
    void ExitProgram() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool anotherCopyIsRunning();
    void storeFirstStartDate();
    static void storeDate(QSettings &settings, QDate date);
    void track(QWidget *window);

    Environment m_env;
    QRandomGenerator m_random;
    quorvis::ReadingValues m_values;
    std::unique_ptr<QLockFile> m_lock;
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_display;
    QPointer<frmPromotion> m_promotion;
    QPointer<frmExact> m_exact;
    QList<QPointer<QWidget>> m_loaded;
    QDate m_firstStartDate; // valid from a first start until its date is stored
    int m_coBrandRandomNumber = 0;
    bool m_exiting = false;
};
