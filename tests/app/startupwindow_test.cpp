#include "app/startupwindow.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "windows/exitpromotionwindow.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StartupWindowTest : public testing::Test
{
protected:
    void TearDown() override
    {
        // Windows a test leaves open would be closed by the next test's ending.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            window->hide();
        }
    }

    FakePlatform platform;
    StartupWindow startup{platform};
};

TEST_F(StartupWindowTest, ASecondCopySaysSoAndEndsWithoutShowingAWindow)
{
    platform.anotherCopyRunning = true;
    startup.StartProgram();
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
    EXPECT_EQ(platform.processEnds, 1);
    EXPECT_EQ(startup.mainWindow(), nullptr);
    EXPECT_EQ(platform.seeds, 0);
    EXPECT_FALSE(QFile::exists(platform.settingsPath)); // the reminder did not run
}

TEST_F(StartupWindowTest, TheReminderAsksBeforeAnyWindowShows)
{
    // "Duration" = 2000-01-01, scrambled, as a run long ago kept it.
    writeAsQtIni(
        platform.settingsPath,
        QString::fromUtf16(u"Settings/\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"),
        QString::fromUtf16(u"\u2021\u2026\u2026\u2026\u201A\u2026\u2020\u201A\u2026\u2020"));
    bool mainWindowWhileAsked = true;
    platform.whileMessageShown = [&](const FakePlatform::Message &) {
        mainWindowWhileAsked = startup.mainWindow() != nullptr;
    };
    startup.StartProgram();
    EXPECT_EQ(platform.messages.size(), 1U);
    EXPECT_FALSE(mainWindowWhileAsked);
    ASSERT_NE(startup.mainWindow(), nullptr);
    EXPECT_TRUE(startup.mainWindow()->isVisible());
}

TEST_F(StartupWindowTest, ShowsTheMainWindowWithOneOfferOnTopAndStaysHidden)
{
    const struct
    {
        float draw;
        int number;
        const char *offerOnTop;
    } cases[] = {{0.0F, 1, "lblCobrand"},
                 {0.25F, 2, "lblFullBrand"},
                 {0.4F, 3, "lblCobrand"},
                 {0.75F, 6, "lblFullBrand"},
                 {0.99F, 7, "lblCobrand"}};
    for (const auto &entry : cases) {
        FakePlatform fresh;
        fresh.draws = {entry.draw};
        StartupWindow start(fresh);
        start.StartProgram();
        ASSERT_NE(start.mainWindow(), nullptr);
        EXPECT_TRUE(start.mainWindow()->isVisible());
        EXPECT_FALSE(start.isVisible());
        EXPECT_EQ(fresh.seeds, 1);
        EXPECT_EQ(start.intCoBrandRandomNumber(), entry.number);
        const QStringList order = stackingOrder(start.mainWindow()->centralWidget());
        const QString other = entry.number % 2 ? "lblFullBrand" : "lblCobrand";
        EXPECT_GT(order.indexOf(entry.offerOnTop), order.indexOf(other)) << entry.draw;
        EXPECT_EQ(fresh.processEnds, 0);
        start.mainWindow()->hide();
    }
}

TEST_F(StartupWindowTest, AFailingStepIsSkippedAndTheMainWindowStillAppears)
{
    platform.seedingFails = true;
    startup.StartProgram();
    ASSERT_NE(startup.mainWindow(), nullptr);
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupWindowTest, ClosingTheMainWindowBringsUpThePromotionAndKeepsRunning)
{
    startup.StartProgram();
    startup.mainWindow()->close();
    ASSERT_NE(startup.exitPromotionWindow(), nullptr);
    EXPECT_TRUE(startup.exitPromotionWindow()->isVisible());
    EXPECT_TRUE(startup.exitPromotionWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(startup.mainWindow()->isVisible());
    EXPECT_EQ(platform.processEnds, 0);
    EXPECT_FALSE(startup.isEnding());
}

TEST_F(StartupWindowTest, ExitAndTheCloseBoxEndTheProcessExactlyOnce)
{
    for (const bool closeBox : {false, true}) {
        FakePlatform fresh;
        StartupWindow start(fresh);
        start.StartProgram();
        start.mainWindow()->close();
        ExitPromotionWindow *promotion = start.exitPromotionWindow();
        if (closeBox) {
            promotion->close();
        } else {
            QTest::mouseClick(promotion->findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
        }
        EXPECT_EQ(fresh.processEnds, 1) << closeBox;
        EXPECT_TRUE(start.isEnding());
        EXPECT_FALSE(promotion->isVisible());
        EXPECT_TRUE(fresh.messages.empty());
    }
}

TEST_F(StartupWindowTest, AReadingFileLoadsThePromotionHiddenAndClosingShowsItAsLoaded)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("ann.num"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    platform.filesToChoose = {file.fileName()};
    platform.draws = {0.0F, 0.8F}; // the offer, then the support message
    startup.StartProgram();
    QTest::mouseClick(startup.mainWindow()->findChild<QPushButton *>("cmdOpen"), Qt::LeftButton);
    ExitPromotionWindow *promotion = startup.exitPromotionWindow();
    ASSERT_NE(promotion, nullptr);
    EXPECT_FALSE(promotion->isVisible());
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    const int seedsAfterLoading = platform.seeds;

    platform.draws = {0.0F};
    startup.mainWindow()->close();
    EXPECT_EQ(startup.exitPromotionWindow(), promotion);
    EXPECT_TRUE(promotion->isVisible());
    EXPECT_EQ(platform.seeds, seedsAfterLoading);
    EXPECT_TRUE(promotion->findChild<QLabel *>("Label2")->text().startsWith("Velmora needs"));
}

TEST_F(StartupWindowTest, EndingWhileTheMainWindowIsOpenClosesItWithoutThePromotion)
{
    startup.StartProgram();
    startup.close(); // the start-up window's own unloading, as at a logout
    EXPECT_EQ(platform.processEnds, 1);
    EXPECT_FALSE(startup.mainWindow()->isVisible());
    EXPECT_EQ(startup.exitPromotionWindow(), nullptr);
    startup.EndProgram();
    EXPECT_EQ(platform.processEnds, 1);
}

} // namespace
