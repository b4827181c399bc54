// A stand-in for the program around a window that needs no other window: records what the window asks of
// it and draws a fixed number.
#pragma once

#include "ProgramHost.h"
#include "reading.h"

#include <QList>
#include <QPoint>
#include <QSettings>
#include <QStringList>
#include <QWidget>

class FakeHost : public ProgramHost
{
public:
    explicit FakeHost(int drawn = 0) : drawn(drawn) {}

    quorvis::ReadingValues &readingValues() override { return values; }
    frmMain &mainWindow() override { qFatal("the promotion window does not need the main window"); }
    frmDisplay &displayWindow() override { qFatal("the promotion window does not need the result window"); }
    frmPromotion &promotionWindow() override { qFatal("the promotion window does not look itself up"); }
    void showPromotionWindow() override { calls << QStringLiteral("showPromotionWindow"); }
    void showExactWindow(const QWidget *) override { calls << QStringLiteral("showExactWindow"); }
    std::unique_ptr<QSettings> openSettings() const override
    {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("quorvis-tests"));
    }
    void hidePromotionWindow() override { calls << QStringLiteral("hidePromotionWindow"); }
    void showAboutWindow(QWidget *) override { calls << QStringLiteral("showAboutWindow"); }
    void windowUnloaded(QWidget *window) override
    {
        calls << QStringLiteral("windowUnloaded");
        unloaded << window;
    }
    int randomNumber(int lowest, int highest) override
    {
        draws << QPoint(lowest, highest);
        return drawn;
    }
    void ExitProgram() override
    {
        calls << QStringLiteral("ExitProgram");
        ++exits;
    }

    int drawn;
    int exits = 0;
    QStringList calls;
    QList<QWidget *> unloaded;
    QList<QPoint> draws;
    quorvis::ReadingValues values;
};
