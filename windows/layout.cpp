#include "windows/layout.h"

#include "windows/commandbutton.h"
#include "windows/linklabel.h"

#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <limits>

namespace {

constexpr double twipsPerPixel = 15.0;

QString caption(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

QLabel *createLabel(const ControlLayout &control, QWidget *container)
{
    QLabel *label =
        control.kind == ControlKind::LinkLabel ? new LinkLabel(container) : new QLabel(container);
    label->setTextFormat(Qt::PlainText);
    label->setText(shownCaption(control.kind, control.caption));
    label->setWordWrap(!control.autoSize);
    const Qt::Alignment horizontal = control.alignment == TextAlignment::Centred ? Qt::AlignHCenter
                                     : control.alignment == TextAlignment::Right ? Qt::AlignRight
                                                                                 : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    if (control.kind == ControlKind::LinkLabel) {
        label->setCursor(pointingHandCursor());
    }
    return label;
}

QWidget *createControl(const ControlLayout &control, QWidget *container)
{
    switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::ToggleButton: {
        // A check box drawn as a button keeps a check box's keys: Space ticks it, Enter does not.
        auto *button = control.kind == ControlKind::ToggleButton
                           ? new QPushButton(caption(control.caption), container)
                           : new CommandButton(caption(control.caption), container);
        button->setAutoDefault(false);
        if (control.kind == ControlKind::ToggleButton) {
            button->setCheckable(true);
            button->setCursor(pointingHandCursor());
        }
        return button;
    }
    case ControlKind::Frame:
        return new QGroupBox(caption(control.caption), container);
    case ControlKind::DateList: {
        auto *list = new QComboBox(container);
        list->setEditable(true);
        return list;
    }
    case ControlKind::Label:
    case ControlKind::LinkLabel:
        return createLabel(control, container);
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption(control.caption), container);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(caption(control.caption), container);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return box;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(container);
        picture->setScaledContents(true);
        return picture;
    }
    case ControlKind::Line:
        return new QWidget(container);
    }
    return nullptr;
}

// Text colour is the button text on buttons, the line's own colour on a line, the window text
// elsewhere; a back colour makes labels and frames opaque. No table colours a text box.
void applyColours(QWidget *widget, const ControlLayout &control)
{
    const bool button =
        control.kind == ControlKind::Button || control.kind == ControlKind::ToggleButton;
    QPalette palette = widget->palette();
    if (control.textColour) {
        const QPalette::ColorRole role = button                              ? QPalette::ButtonText
                                         : control.kind == ControlKind::Line ? QPalette::Window
                                                                             : QPalette::WindowText;
        palette.setColor(role, QColor(*control.textColour));
        widget->setAutoFillBackground(control.kind == ControlKind::Line);
    }
    if (control.backColour) {
        palette.setColor(QPalette::Window, QColor(*control.backColour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// A line is stored as a zero-height rectangle along its middle; it is drawn two pixels thick.
QRect lineGeometry(const TwipsRect &rect)
{
    const QRect pixels = twipsToPixels(rect);
    return {pixels.left(), pixels.top() - 1, pixels.width(), 2};
}

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QRect twipsToPixels(const TwipsRect &rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

QSize clientSizeInPixels(const WindowLayout &layout)
{
    return {twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight)};
}

// DejaVu Sans shares Verdana's open shapes and its short line height, and its condensed cut keeps
// every text inside boxes drawn for Verdana; MS Sans Serif's stand-in is a plain grotesque like it.
QString fallbackFamily(const char16_t *designedFamily)
{
    return QString::fromUtf16(designedFamily) == u"Verdana"
               ? QStringLiteral("DejaVu Sans Condensed")
               : QStringLiteral("Liberation Sans");
}

QFont fontFor(const FontSpec &stored)
{
    QFont font;
    font.setFamilies({QString::fromUtf16(stored.family), fallbackFamily(stored.family)});
    font.setPointSizeF(stored.points);
    font.setBold(stored.bold);
    font.setUnderline(stored.underline);
    return font;
}

QString shownCaption(ControlKind kind, const char16_t *text)
{
    const QString stored = caption(text);
    if (kind != ControlKind::Label && kind != ControlKind::LinkLabel) {
        return stored;
    }
    QString shown;
    shown.reserve(stored.size());
    for (qsizetype index = 0; index < stored.size(); ++index) {
        if (stored[index] != u'&') {
            shown += stored[index];
        } else if (index + 1 < stored.size() && stored[index + 1] == u'&') {
            shown += u'&';
            ++index;
        }
    }
    return shown;
}

const QCursor &pointingHandCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/handcursor.png")), 9, 1);
    return cursor;
}

void buildWindow(QWidget *client, const WindowLayout &layout)
{
    client->setFixedSize(clientSizeInPixels(layout));
    client->setFont(fontFor(layout.font));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(layout.backColour));
    client->setPalette(palette);
    client->setAutoFillBackground(true);

    for (const ControlLayout &control : layout.controls) {
        QWidget *container = control.container
                                 ? client->findChild<QWidget *>(QLatin1String(control.container))
                                 : client;
        QWidget *widget = createControl(control, container);
        widget->setObjectName(QLatin1String(control.name));
        widget->setFont(fontFor(control.font));
        applyColours(widget, control);
        if (control.kind == ControlKind::Line) {
            widget->setGeometry(lineGeometry(control.rect));
        } else {
            widget->setGeometry(twipsToPixels(control.rect));
        }
        if (control.autoSize) {
            widget->adjustSize();
        }
    }
}

void makeFixedDialogFrame(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    if (window->layout()) {
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        window->adjustSize();
        QRect frame(QPoint(), window->frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
