#include "LazyComboBox.h"

#include <QEvent>

LazyComboBox::LazyComboBox(QWidget *parent) : QComboBox(parent) {}

void LazyComboBox::showPopup()
{
    if (!m_listReady) {
        m_listReady = true;
        QEvent fontChange(QEvent::FontChange); // the list window takes the box's font
        QComboBox::changeEvent(&fontChange);
    }
    QComboBox::showPopup();
}

void LazyComboBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !m_listReady) {
        updateGeometry();
        QWidget::changeEvent(event); // past the combo box's own handling, which would make the list
        return;
    }
    QComboBox::changeEvent(event);
}
