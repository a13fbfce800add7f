#include "windows/layout.h"

#include "support/fakeplatform.h"
#include "support/layoutcheck.h"
#include "windows/aboutwindow.h"
#include "windows/exitpromotionwindow.h"
#include "windows/mainwindow.h"

#include <QComboBox>
#include <QFontInfo>
#include <QIcon>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(Twips, FifteenMakeOnePixelRoundedToTheNearest)
{
    const struct
    {
        int twips;
        int pixels;
    } cases[] = {{0, 0},    {7, 0},      {8, 1},      {15, 1},     {22, 1},   {23, 2},
                 {427, 28}, {4265, 284}, {5685, 379}, {4380, 292}, {-60, -4}, {-7, 0}};
    for (const auto &entry : cases) {
        EXPECT_EQ(twipsToPixels(entry.twips), entry.pixels) << entry.twips;
    }
    EXPECT_EQ(twipsToPixels(TwipsRect{120, 5400, 6135, 375}), QRect(8, 360, 409, 25));
}

TEST(Captions, LabelsShowAmpersandsLiterallyWhileButtonsMarkAccessKeys)
{
    EXPECT_EQ(shownCaption(ControlKind::Label, u"name &&  link"), QStringLiteral("name &  link"));
    EXPECT_EQ(shownCaption(ControlKind::LinkLabel, u"a && b &c"), QStringLiteral("a & b c"));
    EXPECT_EQ(shownCaption(ControlKind::Button, u"&Back"), QStringLiteral("&Back"));
    EXPECT_EQ(shownCaption(ControlKind::Label, nullptr), QString());
}

// Where a control's text does not fit the box its layout gives it, in the font the program
// resolves: how much room it needs and has; nothing when it fits.
QString overflowOf(const QWidget *widget)
{
    const QString text = shownText(widget);
    const QFontMetrics metrics(widget->font());
    QSize needed;
    QSize room = widget->size();
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)) {
        const int frame = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        needed = {metrics.horizontalAdvance(text.section(QStringLiteral("\r\n"), 0, 0)),
                  metrics.height()};
        room.rwidth() -= 2 * frame + 4;
    } else if (const auto *label = qobject_cast<const QLabel *>(widget);
               label && !label->wordWrap()) {
        // It grows to its text, so it must stay inside its container.
        needed = {widget->geometry().right() + 1, widget->geometry().bottom() + 1};
        room = widget->parentWidget()->size();
    } else {
        int flags = Qt::TextShowMnemonic;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            flags = Qt::TextWordWrap | int(label->alignment());
        } else if (qobject_cast<const QAbstractButton *>(widget)) {
            room.rwidth() -= 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
        } else if (qobject_cast<const QGroupBox *>(widget)) {
            room.rwidth() -= 4 * metrics.horizontalAdvance(u' ');
        }
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, text).size();
    }
    if (needed.width() <= room.width() && needed.height() <= room.height()) {
        return {};
    }
    return QStringLiteral("%1 x %2 in %3 x %4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

TEST(Fonts, EveryTextFitsItsBoxInTheFontsTheProgramResolves)
{
    FakePlatform platform;
    MainWindow main(platform);
    AboutWindow about(platform, &main);
    std::vector<std::unique_ptr<ExitPromotionWindow>> promotions;
    // One window for each of the four support messages.
    platform.draws = {0.0F, 0.25F, 0.5F, 0.75F};
    for (int message = 0; message < 4; ++message) {
        promotions.push_back(std::make_unique<ExitPromotionWindow>(platform, QIcon()));
    }
    struct Window
    {
        const QWidget *client;
        const WindowLayout &layout;
    };
    std::vector<Window> windows = {{main.centralWidget(), mainWindowLayout},
                                   {&about, aboutWindowLayout}};
    for (const auto &promotion : promotions) {
        windows.push_back({promotion.get(), exitPromotionWindowLayout});
    }
    for (const Window &window : windows) {
        for (const ControlLayout &control : window.layout.controls) {
            SCOPED_TRACE(control.name);
            const QWidget *widget = findControl(window.client, control.name);
            ASSERT_NE(widget, nullptr);
            if (shownText(widget).isEmpty()) {
                continue;
            }
            // The designed family where the machine has it, else the one the package installs.
            const QString resolved = QFontInfo(widget->font()).family();
            EXPECT_TRUE(resolved == QString::fromUtf16(control.font.family) ||
                        resolved == fallbackFamily(control.font.family))
                << resolved.toStdString();
            EXPECT_EQ(overflowOf(widget), QString()) << shownText(widget).left(40).toStdString();
        }
    }
}

} // namespace
