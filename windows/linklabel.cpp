#include "windows/linklabel.h"

#include <QMouseEvent>

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a press and a release on the label, so dragging off it cancels.
void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit clicked();
    }
}
