#include "app/startupwindow.h"

#include "app/offerchoice.h"
#include "platform/platform.h"
#include "resources/texts.h"
#include "settings/updatereminder.h"
#include "windows/exitpromotionwindow.h"
#include "windows/layout.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>

#include <exception>

namespace {

// A step of starting or ending that fails is skipped, so the main window always appears and an
// ending always ends.
template<typename Step>
void skipOnFailure(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// The designed 32 px image with smaller and larger drawings of it, so that a taskbar or window
// switcher at up to 150 % scale is not left to blow the 32 px image up. No larger: X11 hands
// every size to the window manager at each start.
QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/icon.png"));
    for (const int size : {16, 24, 48}) {
        icon.addFile(QStringLiteral(":/icons/huescry-%1.png").arg(size));
    }
    return icon;
}

} // namespace

StartupWindow::StartupWindow(Platform &platform)
    : m_platform(platform)
    , m_icon(programIcon())
{
    setObjectName(QStringLiteral("frmStartup"));
}

StartupWindow::~StartupWindow() = default;

void StartupWindow::StartProgram()
{
    bool anotherCopy = false;
    skipOnFailure([&] { anotherCopy = m_platform.isAnotherCopyRunning(); });
    if (anotherCopy) {
        m_platform.showMessage(QString::fromUtf16(texts::alreadyRunning),
                               Platform::MessageIcon::Information);
        EndProgram();
        return;
    }
    skipOnFailure([&] { m_platform.seedRandomFromClock(); });
    skipOnFailure(
        [&] { UpdateReminder(m_platform, QLocale::system(), [this] { return m_ending; }); });
    // Ended while the reminder asked its question (a logout): no window is shown.
    if (m_ending) {
        return;
    }
    skipOnFailure([&] {
        m_main = std::make_unique<MainWindow>(m_platform);
        m_main->setWindowIcon(m_icon);
        connect(m_main.get(), &MainWindow::unloading, this, &StartupWindow::mainWindowUnloading);
        connect(m_main.get(), &MainWindow::readingFileOpened, this,
                &StartupWindow::readingFileOpened);
        centreOnScreen(m_main.get());
        m_main->show();
    });
    hide();
    skipOnFailure([&] { CoBrand_Randomize(); });
}

void StartupWindow::CoBrand_Randomize()
{
    m_coBrandRandomNumber = coBrandNumber(m_platform.nextRandom());
    if (const auto offer = offerToBringToFront(m_coBrandRandomNumber); offer && m_main) {
        m_main->bringOfferToFront(*offer);
    }
}

void StartupWindow::mainWindowUnloading()
{
    // Closing the windows is part of ending, and must not bring up the promotion window.
    if (m_ending) {
        return;
    }
    ExitPromotionWindow &promotion = loadExitPromotionWindow();
    centreOnScreen(&promotion);
    promotion.show();
    hide();
}

// The promotion window is loaded now if it was not, and stays hidden until the main window closes.
void StartupWindow::readingFileOpened()
{
    hide();
    loadExitPromotionWindow().hide();
}

ExitPromotionWindow &StartupWindow::loadExitPromotionWindow()
{
    if (!m_promotion) {
        m_promotion = std::make_unique<ExitPromotionWindow>(m_platform, m_icon);
        connect(m_promotion.get(), &ExitPromotionWindow::endRequested, this,
                &StartupWindow::EndProgram);
    }
    return *m_promotion;
}

void StartupWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    EndProgram();
}

void StartupWindow::EndProgram()
{
    // Closing a window runs its own closing, which enters here again: the first call finishes.
    if (m_ending) {
        return;
    }
    m_ending = true;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        skipOnFailure([&] { window->close(); });
    }
    m_platform.endProcess();
}
