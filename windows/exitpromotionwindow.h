#pragma once

#include "windows/layout.h"

#include <QWidget>

class LinkLabel;
class Platform;
class QIcon;
class QPushButton;

extern const WindowLayout exitPromotionWindowLayout;

// Shown when the main window closes; closing it ends the program. It loads once: creating it
// runs its load steps, whether it is then shown or, by the Open command, kept hidden.
class ExitPromotionWindow : public QWidget
{
    Q_OBJECT

public:
    ExitPromotionWindow(Platform &platform, const QIcon &icon);

signals:
    // Exit, or the window's own closing: the program ends.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load(const QIcon &icon);
    void Form_Unload();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    Platform &m_platform;
    QPushButton *m_check1;
    QPushButton *m_cmdClose;
};
