#include "windows/exitpromotionwindow.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "web/siteaddress.h"
#include "windows/linklabel.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

QString page(const char *key)
{
    return QStringLiteral("http://") + siteHost()
           + QStringLiteral("/tavik-free-huescry/ssd.php?page=") + QLatin1String(key);
}

class ExitPromotionWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<ExitPromotionWindow>(platform, icon);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename Widget = QWidget>
    Widget *find(const char *name)
    {
        auto *widget = window->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    FakePlatform platform;
    QIcon icon{QStringLiteral(":/icon.png")};
    std::unique_ptr<ExitPromotionWindow> window;
};

TEST_F(ExitPromotionWindowTest, IsBuiltAsItsStoredLayoutAndLoadedWithTitleAndIcon)
{
    expectMatchesLayout(window.get(), exitPromotionWindowLayout);
    EXPECT_EQ(window->size(), QSize(741, 315));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavik Huescry v1.15"));
    EXPECT_EQ(find<QLabel>("lblNagScreen2Caption")->text(), QStringLiteral("Tavik Huescry v1.15"));
    EXPECT_EQ(find<QLabel>("picNagscreen2Icon")->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(QApplication::focusWidget(), find("cmdClose"));

    const QString promotion = find<QLabel>("Label3")->text();
    EXPECT_TRUE(promotion.startsWith("If you have enjoyed this software"));
    EXPECT_TRUE(promotion.contains(QString::fromUtf8("the world\xE2\x80\x99s largest")));
    EXPECT_TRUE(promotion.contains("their interests." + QString(61, u' ') + "All the programs"));
    EXPECT_TRUE(promotion.endsWith("friends and family. "));
}

TEST(ExitPromotionSupportMessage, IsTheDrawTimesFourRoundedDown)
{
    const float justBelowOne = std::nextafter(1.0F, 0.0F);
    const struct
    {
        float draw;
        const char *opening;
    } cases[] = {{0.0F, "Orvane Softwares, such as this"},
                 {std::nextafter(0.25F, 0.0F), "Orvane Softwares, such as this"},
                 {0.25F, "Visit Velmora regularly."},
                 {0.5F, "Velmora is a FREE"},
                 {std::nextafter(0.75F, 0.0F), "Velmora is a FREE"},
                 {0.75F, "Velmora needs your help."},
                 {justBelowOne, "Velmora needs your help."}};
    for (const auto &entry : cases) {
        FakePlatform platform;
        platform.draws = {entry.draw};
        ExitPromotionWindow window(platform, QIcon());
        EXPECT_EQ(platform.seeds, 1);
        EXPECT_TRUE(window.findChild<QLabel *>("Label2")->text().startsWith(entry.opening))
            << entry.draw;
    }
}

TEST_F(ExitPromotionWindowTest, EveryTickOpensTheHomePageOnceAndTheBoxNeverStaysTicked)
{
    auto *check = find<QPushButton>("Check1");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(find("lblGoToHome"), Qt::LeftButton);
    EXPECT_EQ(platform.openedAddresses,
              (std::vector<QString>{page("home-page"), page("home-page"), page("orvanesoftwares")}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ExitPromotionWindowTest, TabGoesFromExitToTheVisitButton)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("Check1"));
}

TEST_F(ExitPromotionWindowTest, ExitAltXAndTheCloseBoxAskToEndTheProgram)
{
    QSignalSpy ending(window.get(), &ExitPromotionWindow::endRequested);
    QTest::mouseClick(find("cmdClose"), Qt::LeftButton);
    EXPECT_EQ(ending.count(), 1);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ending.count() == 2; }));
    window->close();
    EXPECT_EQ(ending.count(), 3);
}

} // namespace
