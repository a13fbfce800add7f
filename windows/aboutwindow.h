#pragma once

#include "windows/layout.h"

#include <QDialog>

class Platform;

extern const WindowLayout aboutWindowLayout;

// Name, version and the maker's offers; OK, Enter and Escape close it.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    AboutWindow(Platform &platform, QWidget *parent);

private:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();

    Platform &m_platform;
};
