#include "windows/exitpromotionwindow.h"

#include "app/platform.h"
#include "resources/texts.h"
#include "web/pagelinks.h"
#include "windows/linklabel.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <iterator>

ExitPromotionWindow::ExitPromotionWindow(Platform &platform, const QIcon &icon)
    : m_platform(platform)
{
    setObjectName(QLatin1String(exitPromotionWindowLayout.name));
    setWindowTitle(QString::fromUtf16(exitPromotionWindowLayout.caption));
    buildWindow(this, exitPromotionWindowLayout);
    makeFixedDialogFrame(this);

    m_check1 = findChild<QPushButton *>(QStringLiteral("Check1"));
    m_cmdClose = findChild<QPushButton *>(QStringLiteral("cmdClose"));
    connect(m_check1, &QPushButton::toggled, this, &ExitPromotionWindow::Check1_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &ExitPromotionWindow::cmdClose_Click);
    connect(findChild<LinkLabel *>(QStringLiteral("lblGoToHome")), &LinkLabel::clicked, this,
            &ExitPromotionWindow::lblGoToHome_Click);
    setTabOrder(m_cmdClose, m_check1);
    m_cmdClose->setFocus();

    Form_Load(icon);
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
    auto *title = findChild<QLabel *>(QStringLiteral("lblNagScreen2Caption"));
    title->setText(caption);
    title->adjustSize();
    setWindowIcon(icon);
    findChild<QLabel *>(QStringLiteral("picNagscreen2Icon"))->setPixmap(icon.pixmap(32, 32));

    m_platform.seedRandomFromClock();
    const float draw = m_platform.nextRandom() * 4.0F;
    const auto message = std::min(static_cast<std::size_t>(std::floor(draw)),
                                  std::size(texts::supportMessages) - 1);
    findChild<QLabel *>(QStringLiteral("Label2"))
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
