#pragma once

#include "windows/layout.h"

#include <QMainWindow>

class LinkLabel;
class Platform;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

extern const WindowLayout mainWindowLayout;

// The window the user works in: a question page and an answer page lying in the same place,
// re-stacked rather than swapped, so the page behind keeps its access keys and tab stops.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);

    enum class Offer { CoBrand, FullBrand };
    void bringOfferToFront(Offer offer);

signals:
    // The window is closing for good; what the program shows next is not this window's business.
    void unloading();
    // A reading file has been opened and read.
    void readingFileOpened();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void connectHandlers();
    void chainTabOrder();
    void describeForScreenReaders(QWidget *client);

    void Form_Load();
    void Form_Unload();
    void cmdNext_Click();
    bool CheckNames();
    void cmdBack_Click();
    void cmdOpen_Click();
    bool txtNameFirst_KeyPress(char16_t character);
    bool txtNameLast_KeyPress(char16_t character);
    bool refuseNonLetter(QLineEdit *box, char16_t character);
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    Platform &m_platform;
    QPushButton *m_cmdOpen;
    QComboBox *m_cboMonth;
    QComboBox *m_cboDate;
    QComboBox *m_cboYear;
    QGroupBox *m_frame1;
    QLineEdit *m_txtNameFirst;
    QLineEdit *m_txtNameLast;
    QPushButton *m_cmdNext;
    QGroupBox *m_frame2;
    QPushButton *m_cmdBack;
    QLabel *m_lblResultColour;
    QLabel *m_lblResultReading;
    LinkLabel *m_label61;
    LinkLabel *m_lblFullBrand;
    LinkLabel *m_lblCobrand;
};
