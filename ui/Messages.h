// Every message the program shows is a modal box captioned with the application title, whose text is the
// message alone.
#pragma once

#include <QMessageBox>

#include <functional>

inline constexpr char ApplicationTitle[] = "Quorvis";

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// A stand-in for the message box, for tests that feed thousands of refused inputs. Null restores the box.
using MessagePresenter = std::function<QMessageBox::StandardButton(
    QWidget *parent, const QString &text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;
void SetMessagePresenter(MessagePresenter presenter);
