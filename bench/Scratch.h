// The settings and the lock of a benchmark's program, in a scratch folder of its own: never the user's.
#pragma once

#include "Program.h"

#include <QDate>
#include <QSettings>
#include <QTemporaryDir>

namespace bench {

// A Program's environment with its files in `scratch`; with `remindedToday`, the stored date of the update
// reminder is today's, so that no reminder comes up during the run.
inline Program::Environment ScratchEnvironment(const QTemporaryDir &scratch, bool remindedToday)
{
    if (!scratch.isValid())
        qFatal("cannot make a scratch directory");
    Program::Environment env;
    env.settingsFile = scratch.filePath(QStringLiteral("quorvis.conf"));
    env.lockFile = scratch.filePath(QStringLiteral("quorvis.lock"));
    if (remindedToday) {
        QSettings seed(env.settingsFile, QSettings::IniFormat);
        seed.setValue(QStringLiteral("Settings/Duration"), QDate::currentDate().toString(Qt::ISODate));
    }
    return env;
}

} // namespace bench
