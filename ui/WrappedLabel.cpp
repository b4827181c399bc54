#include "WrappedLabel.h"

#include <QEvent>

#include <algorithm>

int WrappedLabel::heightForWidth(int width) const
{
    if (text() != m_text) {
        m_measured.fill({});
        m_text = text();
    }
    auto found = std::find_if(m_measured.begin(), m_measured.end(),
                              [width](const Measured &m) { return m.width == width; });
    if (found == m_measured.end()) {
        found = m_measured.end() - 1;
        *found = {width, QLabel::heightForWidth(width)};
    }
    std::rotate(m_measured.begin(), found, found + 1);
    return m_measured.front().height;
}

void WrappedLabel::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
    case QEvent::ScreenChangeInternal:
        m_measured.fill({});
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}
