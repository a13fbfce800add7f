// What a screen reader is told: the accessible tree that Orca reads on Linux and UI Automation
// serves on Windows, the order in which it hears of a change, and the keys a blind user relies on.
#include "resources/texts.h"
#include "support/fakeplatform.h"
#include "support/windowtest.h"
#include "windows/aboutwindow.h"
#include "windows/exitpromotionwindow.h"
#include "windows/mainwindow.h"

#include <QAccessible>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Windows
{
    Windows()
    {
        for (QWidget *window : all()) {
            showActive(window);
        }
    }
    std::vector<QWidget *> all() { return {&main, &promotion, &about}; }

    FakePlatform platform;
    MainWindow main{platform};
    ExitPromotionWindow promotion{platform, QIcon(QStringLiteral(":/icon.png"))};
    QWidget owner;
    AboutWindow about{platform, &owner};
};

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

TEST(ScreenReader, HearsEveryControlByItsRoleNameAndDescription)
{
    Windows windows;
    const QString inBrowser = QString::fromUtf16(texts::opensInBrowser);
    const struct
    {
        QWidget *window;
        const char *control; // nullptr: the window itself
        QAccessible::Role role;
        QString name;
        QString description;
    } expected[] = {
        {&windows.main, nullptr, QAccessible::Window, "Tavik Huescry v1.15", ""},
        {&windows.main, "txtNameFirst", QAccessible::EditableText, "Enter First Name", ""},
        {&windows.main, "cboMonth", QAccessible::ComboBox, "Month", ""},
        {&windows.main, "cmdOpen", QAccessible::Button, "Open Previously Saved Reading",
         QString::fromUtf16(texts::opensReadingFile)},
        {&windows.main, "Frame2", QAccessible::Grouping, "Tavik Huescry Result", ""},
        {&windows.main, "Label61", QAccessible::StaticText,
         "The Most Popular Online Orvane Discussion Board. Best Resource For Everything Orvane. "
         "Visit Velmora Now",
         inBrowser},
        // A dialog is read whole when it opens: its title and its texts.
        {&windows.promotion, nullptr, QAccessible::Dialog, "Tavik Huescry v1.15", ""},
        {&windows.promotion, "Check1", QAccessible::CheckBox, "Click Here To Visit Velmora Now",
         inBrowser},
        {&windows.promotion, "txtName", QAccessible::EditableText, "Your Name", ""},
        {&windows.promotion, "txtMessage", QAccessible::EditableText, "Your Message", ""},
        {&windows.about, nullptr, QAccessible::Dialog, "Tavik Huescry v1.15", ""},
    };
    for (const auto &entry : expected) {
        SCOPED_TRACE(entry.control ? entry.control : entry.name.toStdString());
        QWidget *widget = entry.control ? control(entry.window, entry.control) : entry.window;
        QAccessibleInterface *told = accessible(widget);
        ASSERT_NE(told, nullptr);
        EXPECT_EQ(told->role(), entry.role);
        EXPECT_EQ(told->text(QAccessible::Name), entry.name);
        EXPECT_EQ(told->text(QAccessible::Description), entry.description);
    }
}

// A reader hears the focus land on the reading, named with its colour; from there Tab goes on to
// Back, and the reading is no tab stop of its own.
TEST(ScreenReader, IsTakenToTheReadingAndBackToTheFirstNameBox)
{
    Windows windows;
    control<QLineEdit>(&windows.main, "txtNameFirst")->setText(QStringLiteral("anna"));
    control<QLineEdit>(&windows.main, "txtNameLast")->setText(QStringLiteral("Lee"));
    showActive(&windows.main);
    control(&windows.main, "cmdNext")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(QApplication::focusWidget(), control(&windows.main, "lblResult(1)"));

    QAccessibleInterface *answer = accessible(QApplication::focusWidget());
    EXPECT_EQ(answer->role(), QAccessible::StaticText);
    EXPECT_EQ(answer->text(QAccessible::Name),
              QStringLiteral("Red. ") + QString::fromUtf16(texts::redReading));
    EXPECT_TRUE(answer->state().focused);
    EXPECT_EQ(tabStops(1), QStringList{"cmdBack"});

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(accessible(QApplication::focusWidget())->text(QAccessible::Name),
              QStringLiteral("Enter First Name"));
}

// What cannot be seen is off screen to a reader's review: the page behind the one in front, the
// offer behind the other, the birth-date group and the Open button below the window's edge. Tab
// still reaches Back behind the question page.
TEST(ScreenReader, FindsOnlyWhatCanBeSeenOnScreen)
{
    Windows windows;
    showActive(&windows.main);
    windows.main.bringOfferToFront(MainWindow::Offer::FullBrand);
    const QStringList questionPage{"Frame1", "txtNameFirst", "cmdNext", "lblLabel(0)"};
    const QStringList answerPage{"Frame2", "cmdBack", "lblResult(0)", "lblResult(1)"};
    const QStringList alwaysSeen{"Label61", "lblFullBrand"};
    const QStringList neverSeen{"cmdOpen", "fraBirthDay", "cboMonth", "lblCobrand"};
    const auto offscreen = [&](const QStringList &names) {
        QStringList found;
        for (const QString &name : names) {
            if (accessible(control(&windows.main, name.toLatin1().constData()))
                    ->state()
                    .offscreen) {
                found << name;
            }
        }
        return found;
    };
    const auto checkShown = [&](const QStringList &shownPage, const QStringList &pageBehind) {
        EXPECT_EQ(offscreen(shownPage + alwaysSeen), QStringList{});
        EXPECT_EQ(offscreen(pageBehind + neverSeen), pageBehind + neverSeen);
    };
    checkShown(questionPage, answerPage);
    control(&windows.main, "cmdOpen")->setFocus();
    EXPECT_EQ(tabStops(1), QStringList{"cmdBack"});

    control<QLineEdit>(&windows.main, "txtNameFirst")->setText(QStringLiteral("anna"));
    control<QLineEdit>(&windows.main, "txtNameLast")->setText(QStringLiteral("Lee"));
    QTest::keyClick(control(&windows.main, "cmdNext"), Qt::Key_Space);
    checkShown(answerPage, questionPage);

    windows.promotion.hide();
    EXPECT_TRUE(accessible(control(&windows.promotion, "txtName"))->state().offscreen);

    // What Windows asks when a window comes back to the front, before it is active again.
    control(&windows.promotion, "txtName")->setFocus();
    EXPECT_EQ(accessible(&windows.promotion)->focusChild(),
              accessible(control(&windows.promotion, "txtName")));
}

TEST(ScreenReader, EnterPressesTheFocusedButtonInEveryWindowButNotTheCheckBox)
{
    Windows windows;
    for (QWidget *window : windows.all()) {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->window() != window) {
                continue;
            }
            SCOPED_TRACE(button->objectName().toStdString());
            showActive(window);
            button->setFocus();
            QSignalSpy pressed(button, &QPushButton::clicked);
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(pressed.count(), button->isCheckable() ? 0 : 2);
        }
    }
    EXPECT_FALSE(control<QPushButton>(&windows.promotion, "Check1")->isChecked());
}

// With a screen reader on Linux, Qt delivers each key to the program a second time, posted, once
// the reader has seen it.
void deliverAgain(QWidget *target, const std::vector<std::pair<QEvent::Type, Qt::Key>> &keys)
{
    for (const auto &[type, key] : keys) {
        QCoreApplication::postEvent(
            target,
            new QKeyEvent(type, key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier));
    }
    QCoreApplication::processEvents();
}

TEST(ScreenReader, AltOpensTheMenuBarOnceAndAnAccessKeyNever)
{
    Windows windows;
    showActive(&windows.main);
    QMenuBar *bar = windows.main.menuBar();
    QWidget *box = control(&windows.main, "txtNameFirst");
    box->setFocus();

    QTest::keyClick(box, Qt::Key_Alt);
    ASSERT_TRUE(bar->hasFocus());
    deliverAgain(box, {{QEvent::KeyPress, Qt::Key_Alt}, {QEvent::KeyRelease, Qt::Key_Alt}});
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Escape);

    showActive(&windows.main);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_B, Qt::AltModifier);
    QWidget *back = control(&windows.main, "cmdBack");
    // In the order Orca was seen to pass them on.
    deliverAgain(back, {{QEvent::KeyPress, Qt::Key_Alt},
                        {QEvent::KeyRelease, Qt::Key_Alt},
                        {QEvent::KeyRelease, Qt::Key_B}});
    EXPECT_FALSE(bar->hasFocus());
    EXPECT_EQ(bar->activeAction(), nullptr);
}

} // namespace
