#include "windows/exitpromotionwindow.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "support/sitepages.h"
#include "support/windowtest.h"
#include "web/siteaddress.h"
#include "windows/linklabel.h"

#include <QApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

class ExitPromotionWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<ExitPromotionWindow>(platform, icon);
        showActive(window.get());
        // Exit takes the focus a moment after the window is active.
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return QApplication::focusWidget() == find("cmdClose"); }));
    }

    template<typename Widget = QWidget>
    Widget *find(const char *name)
    {
        return control<Widget>(window.get(), name);
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
              (std::vector<QString>{sitePage("home-page"), sitePage("home-page"),
                                    sitePage("orvanesoftwares")}));
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

namespace {

class ReferAFriendTest : public ExitPromotionWindowTest
{
protected:
    QLineEdit *box(const char *name) { return find<QLineEdit>(name); }
    QPlainTextEdit *message() { return find<QPlainTextEdit>("txtMessage"); }
    void focusByTab(QWidget *widget) { widget->setFocus(Qt::TabFocusReason); }
    void fill(const QString &name, const QString &email, const QString &friendName,
              const QString &friendEmail)
    {
        box("txtName")->setText(name);
        box("txtEmail")->setText(email);
        box("txtFriendName")->setText(friendName);
        box("txtFriendEmail")->setText(friendEmail);
    }
    std::vector<QString> submit()
    {
        platform.messages.clear();
        QTest::mouseClick(find("cmdSubmit"), Qt::LeftButton);
        return platform.messageTexts();
    }
};

TEST_F(ReferAFriendTest, PromptsLeaveOnEntryAndComeBackToAnEmptyBox)
{
    const struct
    {
        const char *box;
        QString before;
        QString onEntry;
        QString typed;
        QString onLeaving;
    } cases[] = {
        {"txtName", "Your Name", "", "", "Your Name"},
        {"txtName", "  Your Name ", "", "   ", "Your Name"},
        {"txtName", "your name", "your name", "your name", "your name"},
        {"txtEmail", "Your Email Address", "", "a@b.c", "a@b.c"},
        {"txtFriendName", "Friend's Name", "", "", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address", "", "", "Friend's Email Address"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.box);
        QLineEdit *edit = box(entry.box);
        edit->setText(entry.before);
        focusByTab(edit);
        EXPECT_EQ(edit->text(), entry.onEntry);
        edit->setText(entry.typed);
        focusByTab(find("cmdClose"));
        EXPECT_EQ(edit->text(), entry.onLeaving);
    }
}

TEST_F(ReferAFriendTest, TheUntouchedMessageKeepsItsLineBreakUntilEmptied)
{
    focusByTab(message());
    EXPECT_EQ(message()->toPlainText(), "Your Message\n");
    message()->clear();
    focusByTab(find("cmdClose"));
    EXPECT_EQ(message()->toPlainText(), "Your Message");
    focusByTab(message());
    EXPECT_EQ(message()->toPlainText(), "");
}

// Each row types into "ab" between the a and the b, by a key or as an input method's commit.
TEST_F(ReferAFriendTest, EmailBoxesRefuseATypedSpaceAndNoBoxTakesAltWithAKey)
{
    const struct
    {
        const char *box;
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        QString commit;
        QString boxAfter;
        bool refused;
    } cases[] = {
        {"txtEmail", Qt::Key_Space, " ", Qt::NoModifier, {}, "ab", true},
        {"txtFriendEmail", Qt::Key_Space, " ", Qt::NoModifier, {}, "ab", true},
        {"txtEmail", Qt::Key_Space, " ", Qt::ControlModifier, {}, "ab", true},
        {"txtFriendEmail", {}, {}, {}, " ", "ab", true},
        {"txtEmail", {}, {}, {}, "x y", "axyb", true},
        {"txtEmail", Qt::Key_Backspace, "\b", Qt::ControlModifier, {}, "b", false},
        {"txtName", Qt::Key_Space, " ", Qt::NoModifier, {}, "a b", false},
        {"txtFriendName", {}, {}, {}, " ", "a b", false},
        {"txtName", Qt::Key_Q, "q", Qt::AltModifier, {}, "ab", false},
        {"txtEmail", Qt::Key_Q, "q", Qt::AltModifier, {}, "ab", false},
        {"txtFriendName", Qt::Key_5, "5", Qt::AltModifier, {}, "ab", false},
        {"txtFriendEmail", Qt::Key_Q, "q", Qt::AltModifier, {}, "ab", false},
        {"txtMessage", Qt::Key_Q, "q", Qt::AltModifier, {}, "ab", false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(std::string(entry.box) + " " + entry.text.toStdString() +
                     entry.commit.toStdString());
        platform.messages.clear();
        QWidget *edit = find(entry.box);
        const auto text = [edit] {
            auto *line = qobject_cast<QLineEdit *>(edit);
            return line ? line->text() : static_cast<QPlainTextEdit *>(edit)->toPlainText();
        };
        if (auto *line = qobject_cast<QLineEdit *>(edit)) {
            line->setText("ab");
            line->setCursorPosition(1);
        } else {
            message()->setPlainText("ab");
            message()->moveCursor(QTextCursor::NextCharacter);
        }
        edit->setFocus();
        if (entry.commit.isNull()) {
            QTest::sendKeyEvent(QTest::Click, edit, entry.key, entry.text, entry.modifiers);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(entry.commit);
            QApplication::sendEvent(edit, &commit);
        }
        EXPECT_EQ(text(), entry.boxAfter);
        EXPECT_EQ(platform.messageTexts(),
                  entry.refused ? std::vector<QString>{"Email Address Cannot Contain Space"}
                                : std::vector<QString>{});
        EXPECT_EQ(QApplication::focusWidget(), edit);
    }
}

TEST_F(ReferAFriendTest, SubmitTestsTheAddressesFirstThenEachEntry)
{
    const struct
    {
        QString name;
        QString email;
        QString friendEmail;
        QString message;
    } cases[] = {
        {"Ann", "", "", "Please Enter Distinct Email Addresses"},
        {"Ann", " a@b.c ", "a@b.c", "Please Enter Distinct Email Addresses"},
        {"Ann", "Your Email Address", "Friend's Email Address",
         "Please Enter Proper Email Address"},
        {"Ann", "a@bc", "b@c.d", "Please Enter Proper Email Address"},
        {"Ann", "a@b.c", "b@cd", "Please Enter Proper Email Address"},
        {"Ann", "a@b.c", "bc.d", "Please Enter Proper Email Address"},
        {"Your Name", "a@b.c", "b@c.d", "Please Enter Your Name"},
        {" Your Name  ", "a@b.c", "b@c.d", "Please Enter Your Name"},
        {"Ann", "@.", "A@B.C", ""},
        {"Ann", "x.y@z", "b@c.d", ""},
        {"Ann", "a@b.c", "A@B.C", ""},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.message.toStdString() + " " + entry.email.toStdString());
        fill(entry.name, entry.email, "Bob", entry.friendEmail);
        const std::vector<QString> shown = submit();
        EXPECT_EQ(shown, entry.message.isEmpty() ? std::vector<QString>{}
                                                 : std::vector<QString>{entry.message});
        if (!shown.empty()) {
            EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Critical);
        }
    }
}

TEST_F(ReferAFriendTest, AGoodReferralOpensItsRequestAndTheFormKeepsItsTexts)
{
    fill("  Ann Lee ", "ann@x.example", "Bob", "bob@y.example");
    EXPECT_TRUE(submit().empty());
    EXPECT_TRUE(submit().empty());
    const QString expected = "http://" + siteHost() +
                             "/tavik-free-huescry/ssd.php?page=kelt-refer-a-friend"
                             "&taf1=Ann%20Lee&taf2=ann%40x.example&taf3=Your%20Message%0D%0A"
                             "&taf4=Bob&taf5=bob%40y.example&taf6=http://" +
                             siteHost() + "/tavik-free-huescry/";
    EXPECT_EQ(platform.openedAddresses, (std::vector<QString>{expected, expected}));
    EXPECT_EQ(box("txtName")->text(), "  Ann Lee ");
    EXPECT_TRUE(window->isVisible());
}

// The glyphs a line of text is drawn with in a font (and the fonts Qt falls back to), in order.
QList<quint32> sortedGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        glyphs += run.glyphIndexes();
    }
    std::sort(glyphs.begin(), glyphs.end());
    return glyphs;
}

TEST_F(ReferAFriendTest, NamesInArabicAndDevanagariAreDrawnShaped)
{
    // Shaped, letters take their joined forms and conjuncts their ligatures: a name is not drawn
    // with the glyphs its letters have one by one. Glyph 0 is a font's missing-letter box.
    const QFont font = box("txtFriendName")->font();
    const QString salaam = QStringLiteral(u"\u0633\u0644\u0627\u0645");
    const QString lakshmi = QStringLiteral(u"\u0932\u0915\u094D\u0937\u094D\u092E\u0940");
    for (const QString &name : {salaam, lakshmi}) {
        SCOPED_TRACE(name.toStdString());
        QList<quint32> oneByOne;
        for (const QChar letter : name) {
            oneByOne += sortedGlyphs(letter, font);
        }
        std::sort(oneByOne.begin(), oneByOne.end());
        const QList<quint32> shaped = sortedGlyphs(name, font);
        EXPECT_FALSE(shaped.contains(0));
        EXPECT_NE(shaped, oneByOne);
    }
}

TEST_F(ReferAFriendTest, TabRunsThroughTheFormInItsOwnOrder)
{
    const QStringList expected = {"Check1",         "txtName",       "cmdSubmit",  "txtEmail",
                                  "txtFriendEmail", "txtFriendName", "txtMessage", "cmdClose"};
    EXPECT_EQ(tabStops(expected.size()), expected);
}

} // namespace
