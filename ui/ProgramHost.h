// What a window needs from the program around it: the shared reading values, the other windows and the
// shutdown routine. The program (app/) implements this; windows never create each other, they ask here.
#pragma once

#include <memory>

class QSettings;
class QWidget;
class frmMain;
class frmDisplay;
class frmPromotion;

namespace quorvis {
struct ReadingValues;
}

class ProgramHost
{
public:
    virtual ~ProgramHost() = default;

    virtual quorvis::ReadingValues &readingValues() = 0;

    // Each window is created on first use and stays loaded, shown or hidden, until it is unloaded.
    virtual frmMain &mainWindow() = 0;
    virtual frmDisplay &displayWindow() = 0;
    virtual frmPromotion &promotionWindow() = 0;

    // Unload handlers of the main and the result window call this. Ignored while the program shuts down.
    virtual void showPromotionWindow() = 0;
    // Hides the promotion window if it is loaded; never creates it.
    virtual void hidePromotionWindow() = 0;

    // Opens the exact-nadir window, prefilled from the main window's inputs when it is created (opened `from`
    // the result window, with the slot of its quick reading), or brings it forward when it is open already.
    // Closing it only unloads it.
    virtual void showExactWindow(const QWidget *from) = 0;

    // The person's settings: the native per-user store, or the file tests give.
    virtual std::unique_ptr<QSettings> openSettings() const = 0;

    // Creates the About window and shows it modally over `owner`; returns when it has been closed.
    virtual void showAboutWindow(QWidget *owner) = 0;

    // A window reports from its close handling that it is going away; the registry forgets it, so the next
    // use creates a fresh one.
    virtual void windowUnloaded(QWidget *window) = 0;

    // The seams for chance: a whole number from `lowest` to `highest`, each equally likely.
    virtual int randomNumber(int lowest, int highest) = 0;

    // Unloads every loaded window (hidden ones too) and ends the event loop. Safe to re-enter.
    virtual void ExitProgram() = 0;
};
