#include "windows/exitpromotionwindow.h"

#include "platform/platform.h"
#include "platform/utf16.h"
#include "oracle/colourrule.h"
#include "resources/texts.h"
#include "web/pagelinks.h"
#include "windows/linklabel.h"
#include "windows/typedcharacter.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <iterator>

namespace {

QString trimSpaces(const QString &text)
{
    return toQString(oracle::trimSpaces(utf16(text)));
}

// To a screen reader the window is a dialog, as the About window is, so that its title and its
// texts are read as it opens. For everything else it stays an ordinary window: as a QDialog,
// Escape would close it, and so end the program.
QAccessibleInterface *accessibleAsDialog(const QString &className, QObject *object)
{
    if (className == QLatin1String(ExitPromotionWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

ExitPromotionWindow::ExitPromotionWindow(Platform &platform, const QIcon &icon)
    : m_platform(platform)
{
    setObjectName(QLatin1String(exitPromotionWindowLayout.name));
    QAccessible::installFactory(accessibleAsDialog);
    setWindowTitle(QString::fromUtf16(exitPromotionWindowLayout.caption));
    buildWindow(this, exitPromotionWindowLayout);
    makeFixedDialogFrame(this);

    m_check1 = findControl<QPushButton>(this, "Check1");
    m_cmdClose = findControl<QPushButton>(this, "cmdClose");
    connect(m_check1, &QPushButton::toggled, this, &ExitPromotionWindow::Check1_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &ExitPromotionWindow::cmdClose_Click);
    connect(findControl<LinkLabel>(this, "lblGoToHome"), &LinkLabel::clicked, this,
            &ExitPromotionWindow::lblGoToHome_Click);
    connectReferAFriend();
    // Exit takes the focus a moment after the window is active (changeEvent). Orca 48 handles the
    // key that opened the window (Alt+F4) after the window is active, presents the window, and
    // takes what has the focus in it as where the user is, without a word: the focus arriving on
    // Exit would then be news to nobody. Until then the window itself has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    Form_Load(icon);
}

void ExitPromotionWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && focusWidget() == this) {
        QTimer::singleShot(std::chrono::milliseconds(500), m_cmdClose, [this] {
            if (focusWidget() == this) {
                setFocusPolicy(Qt::NoFocus);
                m_cmdClose->setFocus();
            }
        });
    }
    QWidget::changeEvent(event);
}

void ExitPromotionWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void ExitPromotionWindow::Form_Load(const QIcon &icon)
{
    const QString caption = QString::fromUtf16(texts::windowCaption);
    setWindowTitle(caption);
    auto *title = findControl<QLabel>(this, "lblNagScreen2Caption");
    title->setText(caption);
    title->adjustSize();
    setWindowIcon(icon);
    auto *picture = findControl<QLabel>(this, "picNagscreen2Icon");
    picture->setPixmap(icon.pixmap(32, 32));
    picture->setAccessibleName(QString::fromUtf16(texts::programIcon));

    m_platform.seedRandomFromClock();
    const float draw = m_platform.nextRandom() * 4.0F;
    const auto message =
        std::min(static_cast<std::size_t>(std::floor(draw)), std::size(texts::supportMessages) - 1);
    findControl<QLabel>(this, "Label2")
        ->setText(QString::fromUtf16(texts::supportMessages[message]));

    // Stays above other programs' ordinary windows; set before the first show, since changing
    // the flags of a visible window hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void ExitPromotionWindow::Form_Unload()
{
    emit endRequested();
}

// Unticking raises the handler again with the box clear, which does nothing: every tick opens
// the home page once and the box never stays ticked.
void ExitPromotionWindow::Check1_Click()
{
    if (m_check1->isChecked()) {
        m_check1->setChecked(false);
        modHelp::OpenHomePage(m_platform);
    }
}

void ExitPromotionWindow::lblGoToHome_Click()
{
    modHelp::OpenSoftwaresPage(m_platform);
}

void ExitPromotionWindow::cmdClose_Click()
{
    emit endRequested();
}

void ExitPromotionWindow::connectReferAFriend()
{
    m_txtName = findControl<QLineEdit>(this, "txtName");
    m_txtEmail = findControl<QLineEdit>(this, "txtEmail");
    m_txtFriendName = findControl<QLineEdit>(this, "txtFriendName");
    m_txtFriendEmail = findControl<QLineEdit>(this, "txtFriendEmail");
    m_txtMessage = findControl<QPlainTextEdit>(this, "txtMessage");
    m_cmdSubmit = findControl<QPushButton>(this, "cmdSubmit");
    // Tab leaves the message box, as in any single form; it does not type a tab.
    m_txtMessage->setTabChangesFocus(true);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &ExitPromotionWindow::cmdSubmit_Click);

    QWidget *const order[] = {m_cmdClose,      m_check1,     m_txtName,
                              m_cmdSubmit,     m_txtEmail,   m_txtFriendEmail,
                              m_txtFriendName, m_txtMessage, m_cmdClose};
    for (std::size_t index = 1; index < std::size(order); ++index) {
        setTabOrder(order[index - 1], order[index]);
    }
    const std::initializer_list<QWidget *> boxes = {m_txtName, m_txtEmail, m_txtFriendName,
                                                    m_txtFriendEmail, m_txtMessage};
    for (QWidget *box : boxes) {
        box->installEventFilter(this);
        // Named by its prompt, which a screen reader would otherwise lose once typed over.
        box->setAccessibleName(placeholderOf(box));
    }
    for (QWidget *link :
         std::initializer_list<QWidget *>{m_check1, findControl<LinkLabel>(this, "lblGoToHome")}) {
        link->setAccessibleDescription(QString::fromUtf16(texts::opensInBrowser));
    }
}

bool ExitPromotionWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QWidget *>(watched);
    const auto focusMovedInside = [event] {
        // Focus leaving for another program or a message box is no move between boxes.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    };
    switch (event->type()) {
    case QEvent::FocusIn:
        if (focusMovedInside()) {
            clearPlaceholder(box);
        }
        break;
    case QEvent::FocusOut:
        if (focusMovedInside()) {
            restorePlaceholder(box);
        }
        break;
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        // The other boxes take every character, but not what Alt with a key would type.
        return filterTypedCharacters(*event, [this, box](char16_t character) {
            return box == m_txtEmail         ? txtEmail_KeyPress(character)
                   : box == m_txtFriendEmail ? txtFriendEmail_KeyPress(character)
                                             : false;
        });
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString ExitPromotionWindow::placeholderOf(const QObject *box) const
{
    using namespace modTellAFriend;
    return box == m_txtName          ? namePrompt
           : box == m_txtEmail       ? emailPrompt
           : box == m_txtFriendName  ? friendNamePrompt
           : box == m_txtFriendEmail ? friendEmailPrompt
                                     : messagePrompt;
}

// The text as a Windows box holds it: line breaks are carriage return and line feed.
QString ExitPromotionWindow::boxText(const QWidget *box) const
{
    if (box != m_txtMessage) {
        return static_cast<const QLineEdit *>(box)->text();
    }
    QString text = m_txtMessage->toPlainText();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n')
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

void ExitPromotionWindow::setBoxText(QWidget *box, const QString &text)
{
    if (box == m_txtMessage) {
        m_txtMessage->setPlainText(text);
    } else {
        static_cast<QLineEdit *>(box)->setText(text);
    }
}

void ExitPromotionWindow::clearPlaceholder(QWidget *box)
{
    if (trimSpaces(boxText(box)) == placeholderOf(box)) {
        setBoxText(box, QString());
    }
}

void ExitPromotionWindow::restorePlaceholder(QWidget *box)
{
    if (trimSpaces(boxText(box)).isEmpty()) {
        setBoxText(box, placeholderOf(box));
    }
}

bool ExitPromotionWindow::txtEmail_KeyPress(char16_t character)
{
    return refuseSpace(m_txtEmail, character);
}

bool ExitPromotionWindow::txtFriendEmail_KeyPress(char16_t character)
{
    return refuseSpace(m_txtFriendEmail, character);
}

// True when the key is swallowed. Only typed spaces are refused; pasted text is not examined.
bool ExitPromotionWindow::refuseSpace(QLineEdit *box, char16_t character)
{
    if (character != u' ') {
        return false;
    }
    m_platform.showMessage(QString::fromUtf16(texts::noSpaceInEmail),
                           Platform::MessageIcon::Critical);
    box->setFocus();
    return true;
}

void ExitPromotionWindow::cmdSubmit_Click()
{
    m_referral = {trimSpaces(m_txtName->text()), trimSpaces(m_txtEmail->text()),
                  trimSpaces(boxText(m_txtMessage)), trimSpaces(m_txtFriendName->text()),
                  trimSpaces(m_txtFriendEmail->text())};
    const QString &email = m_referral.SenderEmail;
    const QString &friendEmail = m_referral.FriendEmail;
    const char16_t *problem = nullptr;
    if (email == friendEmail) {
        problem = texts::distinctEmails;
    } else if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.') ||
               !friendEmail.contains(u'.')) {
        problem = texts::properEmail;
    }
    if (problem) {
        m_platform.showMessage(QString::fromUtf16(problem), Platform::MessageIcon::Critical);
        return;
    }
    modTellAFriend::TellAFriend(m_platform, m_referral);
}
