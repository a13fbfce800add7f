#include "windows/aboutwindow.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "support/sitepages.h"
#include "support/windowtest.h"
#include "web/siteaddress.h"
#include "windows/linklabel.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class AboutWindowTest : public testing::Test
{
protected:
    void SetUp() override { showActive(&about); }

    template<typename Widget = QWidget>
    Widget *find(const char *name)
    {
        return control<Widget>(&about, name);
    }

    FakePlatform platform;
    QWidget owner;
    AboutWindow about{platform, &owner};
};

TEST_F(AboutWindowTest, IsBuiltAsItsStoredLayout)
{
    expectMatchesLayout(&about, aboutWindowLayout);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tavik Huescry v1.15"));
    EXPECT_EQ(about.size(), QSize(460, 211));
    EXPECT_EQ(find<QLabel>("lblHomePage")->text(),
              QStringLiteral("Click here to visit ") + siteHost());
    EXPECT_EQ(find<QLabel>("Picture1")->pixmap().size(), QSize(32, 32));
    for (const char *name : {"Label1", "lblHomePage", "lblCoBrand", "cmdOK"}) {
        EXPECT_EQ(find(name)->geometry().right() + 1, 455) << name;
    }
    EXPECT_EQ(QApplication::focusWidget(), find("cmdOK"));
}

TEST_F(AboutWindowTest, EnterAndEscapeBothClose)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        showActive(&about);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
}

TEST_F(AboutWindowTest, LinksOpenTheirPageEachClickAndTheWindowStays)
{
    QTest::mouseClick(find("lblCoBrand"), Qt::LeftButton);
    QTest::mouseClick(find("lblCoBrand"), Qt::LeftButton);
    QTest::mouseClick(find("lblHomePage"), Qt::LeftButton);
    for (const char *name : {"Label1", "Label2", "Label3", "Picture1"}) {
        QTest::mouseClick(find(name), Qt::LeftButton);
    }
    EXPECT_EQ(platform.openedAddresses,
              (std::vector<QString>{sitePage("fully-branded"), sitePage("fully-branded"),
                                    sitePage("home-page")}));
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(platform.messages.empty());
}

TEST(AboutFromHelpMenu, OpensModallyAndLeavesTheMainWindowAsItWas)
{
    FakePlatform platform;
    MainWindow window(platform);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>(QStringLiteral("txtNameFirst"))->setText(QStringLiteral("anna"));

    QString openedTitle;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget *shown = QApplication::activeModalWidget();
        if (shown) {
            openedTitle = shown->windowTitle();
            modal = shown->isModal();
            QTest::keyClick(shown, Qt::Key_Escape);
        }
    });
    window.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(openedTitle, QStringLiteral("Tavik Huescry v1.15"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("txtNameFirst"))->text(),
              QStringLiteral("anna"));
}

} // namespace
