#pragma once

#include <QPushButton>

// A push button as a Windows user knows it: Enter presses the button that has the focus, in any
// window, as Space does. Qt does that only for default buttons, which a style draws differently.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
