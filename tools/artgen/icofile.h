// Writes a Windows icon file holding several sizes, each entry stored as a PNG image.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

bool writeIco(const QString &path, const QList<QImage> &images);
