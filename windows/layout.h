#pragma once

#include <QColor>
#include <QRect>

#include <optional>
#include <span>

#include <QWidget>

class QCursor;
class QFont;

// A window is stored as data: its controls in creation order (each later one on top), with
// positions in twips relative to their container, as the program was designed.

enum class ControlKind {
    Button,
    ToggleButton, // a check box drawn as a push button that shows pressed while ticked
    Frame,
    DateList,
    Label,
    LinkLabel, // clickable by mouse only, pointing-hand cursor
    TextBox,
    MultiLineTextBox, // with a vertical scroll bar
    Picture,
    Line,
};

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

struct FontSpec
{
    const char16_t *family;
    double points;
    bool bold = false;
    bool underline = false;
};

enum class TextAlignment { Left, Centred, Right };

struct ControlLayout
{
    const char *name; // the widget's objectName
    ControlKind kind;
    const char *container;   // nullptr: the window's client area
    const char16_t *caption; // nullptr: none, or one the window sets as it loads
    TwipsRect rect;
    FontSpec font;
    std::optional<QRgb> textColour = {};
    std::optional<QRgb> backColour = {}; // unset: transparent, or the control's own default
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false; // labels: grow to fit the text instead of wrapping
};

struct WindowLayout
{
    const char *name;
    const char16_t *caption;
    int clientWidth; // twips
    int clientHeight;
    QRgb backColour;
    FontSpec font;
    std::span<const ControlLayout> controls;
};

// 15 twips are one pixel at 96 dots per inch; halves round away from zero.
int twipsToPixels(int twips);
QRect twipsToPixels(const TwipsRect &rect);
QSize clientSizeInPixels(const WindowLayout &layout);

// The designed fonts are Windows fonts; elsewhere each has a stand-in of like look, narrow
// enough that every text still fits the box designed for it.
QString fallbackFamily(const char16_t *designedFamily);
QFont fontFor(const FontSpec &stored);

// What a caption shows: labels show "&&" as one "&"; buttons, frames and menus read "&" as the
// access-key marker themselves.
QString shownCaption(ControlKind kind, const char16_t *caption);

const QCursor &pointingHandCursor();

// Sizes client to the layout and creates its controls in table order.
void buildWindow(QWidget *client, const WindowLayout &layout);

// A control that buildWindow created, by its name.
template<typename Widget = QWidget>
Widget *findControl(const QWidget *window, const char *name)
{
    return window->findChild<Widget *>(QLatin1String(name));
}

// Fixed size with a close box only; call before the window is first shown.
void makeFixedDialogFrame(QWidget *window);
void centreOnScreen(QWidget *window);
