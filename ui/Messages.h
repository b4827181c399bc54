// Every message the program shows is a modal box captioned with the application title, whose text is the
// message alone.
#pragma once

#include <QMessageBox>

inline constexpr char ApplicationTitle[] = "Quorvis";

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
