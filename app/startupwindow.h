#pragma once

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <memory>

class ExitPromotionWindow;
class MainWindow;
class Platform;

// The program's first window. It is never shown: its loading starts the program and it holds
// what the other windows share, until the program ends.
class StartupWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartupWindow(Platform &platform);
    ~StartupWindow() override;

    void StartProgram();
    // Closes every window and ends the process once, however often it is entered.
    void EndProgram();
    bool isEnding() const { return m_ending; }

    const QIcon &IMGIcon() const { return m_icon; }
    int intCoBrandRandomNumber() const { return m_coBrandRandomNumber; }

    MainWindow *mainWindow() const { return m_main.get(); }
    ExitPromotionWindow *exitPromotionWindow() const { return m_promotion.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CoBrand_Randomize();
    void mainWindowUnloading();
    void readingFileOpened();
    ExitPromotionWindow &loadExitPromotionWindow();

    Platform &m_platform;
    const QIcon m_icon;
    int m_coBrandRandomNumber = 0;
    bool m_ending = false;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ExitPromotionWindow> m_promotion;
};
