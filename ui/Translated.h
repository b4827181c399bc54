// An engine text as a window shows it: the engine keeps its English, marked under a context
// (engine/translatable.h), and the window translates it.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <string_view>

inline QString Translated(const char *context, std::string_view text)
{
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}
