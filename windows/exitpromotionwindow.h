#pragma once

#include "web/referral.h"
#include "windows/layout.h"

#include <QWidget>

class LinkLabel;
class Platform;
class QIcon;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

extern const WindowLayout exitPromotionWindowLayout;

// Shown when the main window closes; closing it ends the program. It loads once: creating it
// runs its load steps, whether it is then shown or, by the Open command, kept hidden.
// Its refer-a-friend form sends the user's entries to the site through the browser.
class ExitPromotionWindow : public QWidget
{
    Q_OBJECT

public:
    ExitPromotionWindow(Platform &platform, const QIcon &icon);

signals:
    // Exit, or the window's own closing: the program ends.
    void endRequested();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load(const QIcon &icon);
    void Form_Unload();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    void connectReferAFriend();
    QString placeholderOf(const QObject *box) const;
    QString boxText(const QWidget *box) const;
    void setBoxText(QWidget *box, const QString &text);
    void clearPlaceholder(QWidget *box);
    void restorePlaceholder(QWidget *box);
    bool txtEmail_KeyPress(char16_t character);
    bool txtFriendEmail_KeyPress(char16_t character);
    bool refuseSpace(QLineEdit *box, char16_t character);
    void cmdSubmit_Click();

    Platform &m_platform;
    QPushButton *m_check1;
    QPushButton *m_cmdClose;
    QLineEdit *m_txtName;
    QLineEdit *m_txtEmail;
    QLineEdit *m_txtFriendName;
    QLineEdit *m_txtFriendEmail;
    QPlainTextEdit *m_txtMessage;
    QPushButton *m_cmdSubmit;
    // Kept from one submit to the next.
    modTellAFriend::ReferralFields m_referral;
};
