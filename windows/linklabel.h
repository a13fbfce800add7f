#pragma once

#include <QLabel>

// A label that answers mouse clicks, as the site links do; it takes no keyboard focus.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
