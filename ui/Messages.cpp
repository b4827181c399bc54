#include "Messages.h"

namespace {
MessagePresenter &presenter()
{
    static MessagePresenter p;
    return p;
}
} // namespace

void SetMessagePresenter(MessagePresenter p) { presenter() = std::move(p); }

QMessageBox::StandardButton ShowMessage(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    if (presenter())
        return presenter()(parent, text, icon, buttons);
    QMessageBox box(icon, QString::fromLatin1(ApplicationTitle), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons & QMessageBox::Ok)
        box.setDefaultButton(QMessageBox::Ok);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
