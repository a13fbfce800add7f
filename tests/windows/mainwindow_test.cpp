#include "windows/mainwindow.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "support/sitepages.h"
#include "support/windowtest.h"
#include "web/siteaddress.h"
#include "windows/linklabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString firstNameMessage = QStringLiteral("Please Enter Your First Name");
const QString lastNameMessage = QStringLiteral("Please Enter Your Last Name");
const QString charactersOnlyMessage = QStringLiteral("Please Enter Character Only");

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(platform);
        showActive(window.get());
    }

    template<typename Widget = QWidget>
    Widget *find(const char *name) const
    {
        return control<Widget>(window.get(), name);
    }

    QLineEdit *first() const { return find<QLineEdit>("txtNameFirst"); }
    QLineEdit *last() const { return find<QLineEdit>("txtNameLast"); }
    QString colour() const { return find<QLabel>("lblResult(0)")->text(); }
    QString reading() const { return find<QLabel>("lblResult(1)")->text(); }
    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    bool answerPageInFront() const
    {
        const QStringList order = stackingOrder(window->centralWidget());
        return order.indexOf(QStringLiteral("Frame2")) > order.indexOf(QStringLiteral("Frame1"));
    }

    void ask(const QString &firstName, const QString &lastName)
    {
        first()->setText(firstName);
        last()->setText(lastName);
        QTest::mouseClick(find<QPushButton>("cmdNext"), Qt::LeftButton);
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, IsBuiltAsItsStoredLayout)
{
    expectMatchesLayout(window->centralWidget(), mainWindowLayout);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tavik Huescry v1.15"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(379, 292));
    EXPECT_EQ(find("cmdOpen")->geometry(), QRect(8, 360, 409, 25));
    EXPECT_EQ(find("Frame1")->geometry(), find("Frame2")->geometry());
    EXPECT_EQ(find("lblCobrand")->geometry(), QRect(1, 239, 377, 53));
    EXPECT_EQ(find<QLabel>("lblCobrand")->text(),
              QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                             "traffic to your site. Put your site's name &  link here. See "
                             "\"Help\" for details.    Click Here for more info on co-branding."));
    EXPECT_EQ(find<QLabel>("lblCobrand")->textFormat(), Qt::PlainText);
    EXPECT_EQ(find("Label61")->palette().color(QPalette::WindowText), QColor(255, 192, 255));
    EXPECT_EQ(find("Frame1")->palette().color(QPalette::Window), QColor(64, 64, 64));
    EXPECT_FALSE(find<QPushButton>("cmdNext")->isDefault());
    EXPECT_FALSE(find<QPushButton>("cmdNext")->autoDefault());
}

TEST_F(MainWindowTest, StartsOnTheQuestionPageWithTheCoBrandOfferOnTop)
{
    EXPECT_EQ(stackingOrder(window->centralWidget()),
              (QStringList{"cmdOpen", "fraBirthDay", "Frame2", "Label61", "lblFullBrand",
                           "lblCobrand", "Frame1"}));
    EXPECT_EQ(focusName(), QStringLiteral("txtNameFirst"));
}

TEST_F(MainWindowTest, OfferBroughtToFrontLiesAboveTheOther)
{
    window->bringOfferToFront(MainWindow::Offer::FullBrand);
    QStringList order = stackingOrder(window->centralWidget());
    EXPECT_GT(order.indexOf("lblFullBrand"), order.indexOf("lblCobrand"));
    window->bringOfferToFront(MainWindow::Offer::CoBrand);
    order = stackingOrder(window->centralWidget());
    EXPECT_GT(order.indexOf("lblCobrand"), order.indexOf("lblFullBrand"));
}

TEST_F(MainWindowTest, TabVisitsEveryStopInOrderIncludingThoseOutOfSight)
{
    const QStringList expected = {"txtNameLast", "cmdNext", "cboMonth", "cboDate",
                                  "cboYear",     "cmdOpen", "cmdBack",  "txtNameFirst"};
    EXPECT_EQ(tabStops(expected.size()), expected);
    EXPECT_TRUE(platform.messages.empty());
}

struct NamedReading
{
    const char *name;
    QString first;
    QString last;
    QString colour;
    const char *readingOpening;
};

class Reading : public MainWindowTest, public testing::WithParamInterface<NamedReading>
{};

TEST_P(Reading, ShowsTheColourAndItsReadingOnTheAnswerPage)
{
    ask(GetParam().first, GetParam().last);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(colour(), GetParam().colour);
    EXPECT_TRUE(reading().startsWith(QLatin1String(GetParam().readingOpening)))
        << reading().toStdString();
    EXPECT_TRUE(answerPageInFront());
    // The colour label grows to its text rather than cutting it.
    EXPECT_GE(find("lblResult(0)")->width(), find("lblResult(0)")->sizeHint().width());
}

INSTANTIATE_TEST_SUITE_P(
    Names, Reading,
    testing::Values(NamedReading{"AnnaLee", "anna", "Lee", "Red", "Any type of partnership"},
                    NamedReading{"JohnSmith", "John", "Smith", "Yellow", "The keyword"},
                    NamedReading{"MaryJones", "Mary", "Jones", "Green", "Think carefully"},
                    NamedReading{"LowerCaseAB", "a", "b", "Brown", "You need to devote"},
                    NamedReading{"AccentedInitial", QString::fromUtf8("\xC3\xA9lodie"), "Martin",
                                 "Blue", "You must delve"},
                    NamedReading{"SpacesAroundDoNotCount", "  anna ", " Lee ", "Red", "Any type"},
                    NamedReading{"FirstNameOfSpaces", "   ", "Lee", "Green", "Think"},
                    NamedReading{"LastNameOfSpaces", "Zoe", "   ", "Blue", "You must"},
                    NamedReading{"SharpSKeepsItsLength", "a", QString::fromUtf8("Gro\xC3\x9F"),
                                 "Yellow", "The keyword"},
                    NamedReading{"HundredThousandCharacterPaste", "a", QString(100000, u'x'),
                                 "Blue", "You must"}),
    [](const testing::TestParamInfo<NamedReading> &info) { return info.param.name; });

TEST_F(MainWindowTest, MissingNamesAreReportedOneAtATimeThenFocused)
{
    const struct
    {
        QString first;
        QString last;
        QString message;
        const char *focused;
    } cases[] = {
        {"", "", firstNameMessage, "txtNameFirst"},
        {"", "Lee", firstNameMessage, "txtNameFirst"},
        {"anna", "", lastNameMessage, "txtNameLast"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.message.toStdString());
        platform.messages.clear();
        find<QLabel>("lblResult(0)")->setText(QStringLiteral("Color"));
        QString focusWhileShown;
        platform.whileMessageShown = [&](const FakePlatform::Message &) {
            focusWhileShown = focusName();
        };
        find("cmdNext")->setFocus();
        ask(entry.first, entry.last);
        ASSERT_EQ(platform.messages.size(), 1U);
        EXPECT_EQ(platform.messages[0].text, entry.message);
        EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
        EXPECT_EQ(focusWhileShown, QStringLiteral("cmdNext"));
        EXPECT_EQ(focusName(), QLatin1String(entry.focused));
        EXPECT_FALSE(answerPageInFront());
        EXPECT_EQ(colour(), QStringLiteral("Color"));
    }
}

struct KeyCase
{
    const char *name;
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
    QString boxAfter; // typed into "Ab" between the A and the b
    bool refused;
};

class KeyFilter : public MainWindowTest, public testing::WithParamInterface<KeyCase>
{};

TEST_P(KeyFilter, LetsOnlyLettersAndBackspaceThrough)
{
    QApplication::clipboard()->setText(QStringLiteral("xyz"));
    for (QLineEdit *box : {first(), last()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        platform.messages.clear();
        box->setText(QStringLiteral("Ab"));
        box->setFocus();
        box->setCursorPosition(1);
        QTest::sendKeyEvent(QTest::Click, box, GetParam().key, GetParam().text,
                            GetParam().modifiers);
        EXPECT_EQ(box->text(), GetParam().boxAfter);
        if (GetParam().refused) {
            EXPECT_EQ(platform.messageTexts(), std::vector<QString>{charactersOnlyMessage});
            EXPECT_EQ(platform.messages.front().icon, Platform::MessageIcon::Critical);
            EXPECT_EQ(QApplication::focusWidget(), box);
        } else {
            EXPECT_TRUE(platform.messages.empty());
        }
    }
    EXPECT_FALSE(answerPageInFront());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    testing::Values(
        KeyCase{"Letter", Qt::Key_Q, "q", Qt::NoModifier, "Aqb", false},
        KeyCase{"CapitalLetter", Qt::Key_Q, "Q", Qt::ShiftModifier, "AQb", false},
        KeyCase{"Backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, "b", false},
        KeyCase{"Delete", Qt::Key_Delete, "\x7f", Qt::NoModifier, "A", false},
        KeyCase{"Left", Qt::Key_Left, "", Qt::NoModifier, "Ab", false},
        KeyCase{"CtrlLeft", Qt::Key_Left, "", Qt::ControlModifier, "Ab", false},
        KeyCase{"Hyphen", Qt::Key_Minus, "-", Qt::NoModifier, "Ab", true},
        KeyCase{"Space", Qt::Key_Space, " ", Qt::NoModifier, "Ab", true},
        KeyCase{"Apostrophe", Qt::Key_Apostrophe, "'", Qt::NoModifier, "Ab", true},
        KeyCase{"Digit", Qt::Key_1, "1", Qt::NoModifier, "Ab", true},
        KeyCase{"AccentedLetter", Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier,
                "Ab", true},
        KeyCase{"Enter", Qt::Key_Return, "\r", Qt::NoModifier, "Ab", true},
        KeyCase{"Escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, "Ab", true},
        KeyCase{"CtrlC", Qt::Key_C, "\x03", Qt::ControlModifier, "Ab", true},
        KeyCase{"CtrlV", Qt::Key_V, "\x16", Qt::ControlModifier, "Ab", true},
        KeyCase{"CtrlVWithoutControlText", Qt::Key_V, "v", Qt::ControlModifier, "Ab", true},
        KeyCase{"CtrlX", Qt::Key_X, "\x18", Qt::ControlModifier, "Ab", true},
        KeyCase{"CtrlBackspace", Qt::Key_Backspace, "\b", Qt::ControlModifier, "Ab", true},
        KeyCase{"CtrlEnter", Qt::Key_Return, "\r", Qt::ControlModifier, "Ab", true},
        KeyCase{"AltLetter", Qt::Key_Q, "q", Qt::AltModifier, "Ab", false},
        KeyCase{"AltDigit", Qt::Key_5, "5", Qt::AltModifier, "Ab", false},
        KeyCase{"AltGrOnWindows", Qt::Key_Q, "@", Qt::ControlModifier | Qt::AltModifier, "Ab",
                true}),
    [](const testing::TestParamInfo<KeyCase> &info) { return info.param.name; });

TEST_F(MainWindowTest, ComposedAndInputMethodTextGoesThroughTheFilter)
{
    const struct
    {
        const char *name;
        QString commit;
        QString boxAfter;
        std::size_t messages;
    } cases[] = {
        {"dead key", QString::fromUtf8("\xC3\xA9"), "Ab", 1},
        {"letters", "cd", "Acdb", 0},
        {"mixed", QString::fromUtf8("c\xC3\xA9" "d"), "Acdb", 1},
        {"outside the basic plane", QString::fromUtf8("\xF0\x9F\x8E\xA8"), "Ab", 1},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        platform.messages.clear();
        first()->setText(QStringLiteral("Ab"));
        first()->setFocus();
        first()->setCursorPosition(1);
        QInputMethodEvent commit;
        commit.setCommitString(entry.commit);
        QApplication::sendEvent(first(), &commit);
        EXPECT_EQ(first()->text(), entry.boxAfter);
        EXPECT_EQ(platform.messageTexts(),
                  std::vector<QString>(entry.messages, charactersOnlyMessage));
    }
    platform.messages.clear();
    QInputMethodEvent composing(QStringLiteral("\u00b4"), {});
    QApplication::sendEvent(first(), &composing);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, TypingAHyphenatedNameKeepsTheLettersAndRefusesTheHyphen)
{
    QTest::keyClicks(first(), QStringLiteral("Ann-Marie"));
    EXPECT_EQ(first()->text(), QStringLiteral("AnnMarie"));
    EXPECT_EQ(platform.messageTexts(), std::vector<QString>{charactersOnlyMessage});
}

TEST_F(MainWindowTest, BackEmptiesTheNamesAndReturnsToTheQuestion)
{
    ask(QStringLiteral("anna"), QStringLiteral("Lee"));
    ASSERT_TRUE(answerPageInFront());
    QTest::mouseClick(find<QPushButton>("cmdBack"), Qt::LeftButton);
    EXPECT_EQ(first()->text(), QString());
    EXPECT_EQ(last()->text(), QString());
    EXPECT_EQ(focusName(), QStringLiteral("txtNameFirst"));
    EXPECT_FALSE(answerPageInFront());
    EXPECT_EQ(colour(), QStringLiteral("Red"));

    QTest::mouseClick(find<QPushButton>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(platform.messageTexts(), std::vector<QString>{firstNameMessage});
}

TEST_F(MainWindowTest, AccessKeysReachThePageBehindAndTheButtonOutOfSight)
{
    ask(QStringLiteral("anna"), QStringLiteral("Lee"));
    ASSERT_TRUE(answerPageInFront());
    last()->setText(QStringLiteral("Smith"));
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return colour() == QLatin1String("Blue"); }));

    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answerPageInFront(); }));
    EXPECT_EQ(first()->text(), QString());

    first()->setText(QStringLiteral("anna"));
    last()->setText(QStringLiteral("Lee"));
    QTest::keyClick(window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first()->text().isEmpty(); }));
    EXPECT_EQ(last()->text(), QString());

    QSignalSpy openPressed(find<QPushButton>("cmdOpen"), &QPushButton::clicked);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return openPressed.count() == 1; }));
}

TEST_F(MainWindowTest, MenuBarHoldsItsEntriesInTheWindow)
{
    QMenuBar *bar = window->menuBar();
    EXPECT_FALSE(bar->isNativeMenuBar());
    QStringList top;
    for (const QAction *action : bar->actions()) {
        top << action->text();
    }
    EXPECT_EQ(top, (QStringList{"&File", "&Help", "&Donate"}));
    const auto entries = [](const char *menuName, QWidget *in) {
        QStringList names;
        for (const QAction *action : in->findChild<QMenu *>(QLatin1String(menuName))->actions()) {
            names << action->objectName() + ":" + action->text();
        }
        return names;
    };
    EXPECT_EQ(entries("nuFile", window.get()), QStringList{"mnuExit:E&xit"});
    EXPECT_EQ(entries("mnuHelp", window.get()),
              (QStringList{"mnuOnline:&Online Help", "mnuVisit:&Visit Us Online",
                           "mnuFileSep1:", "mnuUpdate:&Check for Software Update",
                           "mnuFileSep2:", "mnuAbout:&About Software"}));
    auto *makeMoney = find<QAction>("mnuMakeMoney");
    EXPECT_EQ(makeMoney->text(), QStringLiteral("Make Money &Online"));
    EXPECT_FALSE(makeMoney->isVisible());
    EXPECT_FALSE(bar->actions().contains(makeMoney));
}

struct PageLink
{
    const char *control;
    const char *pageKey;
};

class Links : public MainWindowTest, public testing::WithParamInterface<PageLink>
{};

TEST_P(Links, OpenTheirPageAndNothingElse)
{
    const QString name = QLatin1String(GetParam().control);
    if (auto *label = window->findChild<LinkLabel *>(name)) {
        QTest::mouseClick(label, Qt::LeftButton);
    } else {
        find<QAction>(GetParam().control)->trigger();
    }
    const QString expected = sitePage(GetParam().pageKey);
    EXPECT_EQ(platform.openedAddresses, std::vector<QString>{expected});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(answerPageInFront());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Links,
    testing::Values(PageLink{"Label61", "home-page"}, PageLink{"lblCobrand", "co-brand"},
                    PageLink{"lblFullBrand", "fully-branded"},
                    PageLink{"mnuOnline", "help-web-page"}, PageLink{"mnuVisit", "home-page"},
                    PageLink{"mnuUpdate", "download-web-page"}, PageLink{"mnuDonate", "donate"},
                    PageLink{"mnuMakeMoney", "fully-branded"}),
    [](const testing::TestParamInfo<PageLink> &info) { return std::string(info.param.control); });

TEST_F(MainWindowTest, LinkLabelsIgnoreAPressReleasedElsewhere)
{
    auto *label = find<LinkLabel>("Label61");
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_TRUE(platform.openedAddresses.empty());
}

TEST_F(MainWindowTest, ClosingOrExitAnnouncesTheUnloadOnce)
{
    QSignalSpy unloading(window.get(), &MainWindow::unloading);
    find<QAction>("mnuExit")->trigger();
    EXPECT_EQ(unloading.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

} // namespace

namespace {

class OpenCommand : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // A reading file as the sibling program writes it: dates scrambled, CR LF line ends.
    QString readingFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString dateFile(const QString &name = QStringLiteral("ann.num"))
    {
        // "12", "8" and "1990", each byte shifted up by 85.
        return readingFile(name, "Tallowen\r\nline two\r\nline three\r\n\x86\x87\r\n\x8D\r\n"
                                 "\x86\x8E\x8E\x85\r\n");
    }
    QString dates() const
    {
        return find<QComboBox>("cboMonth")->currentText() + "/" +
               find<QComboBox>("cboDate")->currentText() + "/" +
               find<QComboBox>("cboYear")->currentText();
    }
    void open(const QString &fileName)
    {
        platform.filesToChoose = {fileName};
        QTest::mouseClick(find<QPushButton>("cmdOpen"), Qt::LeftButton);
    }

    QTemporaryDir folder;
};

TEST_F(OpenCommand, AsksForASourceFileWithItsFilterAndSuffix)
{
    open(QString());
    ASSERT_EQ(platform.fileRequests.size(), 1U);
    EXPECT_EQ(platform.fileRequests[0].title, QStringLiteral("Select the source file"));
    EXPECT_EQ(platform.fileRequests[0].nameFilter, QStringLiteral("Tavik Free Tallowen (*.num)"));
    EXPECT_EQ(platform.fileRequests[0].defaultSuffix, QStringLiteral("num"));
}

TEST_F(OpenCommand, ACancelOrAForeignNameReadsNothing)
{
    QSignalSpy opened(window.get(), &MainWindow::readingFileOpened);
    const struct
    {
        QString fileName;
        std::vector<QString> messages;
    } cases[] = {
        {QString(), {}},
        {dateFile(QStringLiteral("ANN.NUM")), {QStringLiteral("Please Check The File.")}},
        {dateFile(QStringLiteral("ann.txt")), {QStringLiteral("Please Check The File.")}},
    };
    first()->setText(QStringLiteral("anna"));
    last()->setText(QStringLiteral("Lee"));
    for (const auto &entry : cases) {
        platform.messages.clear();
        open(entry.fileName);
        EXPECT_EQ(platform.messageTexts(), entry.messages) << entry.fileName.toStdString();
        if (!entry.messages.empty()) {
            EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Critical);
        }
    }
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(dates(), QStringLiteral("//"));
    EXPECT_FALSE(answerPageInFront());
}

TEST_F(OpenCommand, AFileWithNamesTypedShowsTheSameReadingAsAsk)
{
    QSignalSpy opened(window.get(), &MainWindow::readingFileOpened);
    first()->setText(QStringLiteral("Mary"));
    last()->setText(QStringLiteral("Jones"));
    open(dateFile());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(dates(), QStringLiteral("12/8/1990"));
    EXPECT_EQ(colour(), QStringLiteral("Green"));
    EXPECT_TRUE(answerPageInFront());
    EXPECT_EQ(first()->text(), QStringLiteral("Mary"));
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(OpenCommand, AFileWithoutNamesAsksForTheFirstName)
{
    open(dateFile());
    EXPECT_EQ(platform.messageTexts(), std::vector<QString>{firstNameMessage});
    EXPECT_FALSE(answerPageInFront());
    EXPECT_EQ(dates(), QStringLiteral("12/8/1990"));
}

TEST_F(OpenCommand, AShortOrUnreadableFileStillRunsTheReading)
{
    first()->setText(QStringLiteral("anna"));
    last()->setText(QStringLiteral("Lee"));
    for (const QString &fileName :
         {readingFile(QStringLiteral("short.num"), "1\r\n2\r\n3\r\n"),
          folder.filePath(QStringLiteral("deleted.num")), folder.path() + QStringLiteral("/num")}) {
        find<QLabel>("lblResult(0)")->setText(QStringLiteral("Color"));
        open(fileName);
        EXPECT_EQ(dates(), QStringLiteral("//")) << fileName.toStdString();
        EXPECT_EQ(colour(), QStringLiteral("Red"));
        EXPECT_TRUE(platform.messages.empty());
    }
}

} // namespace
