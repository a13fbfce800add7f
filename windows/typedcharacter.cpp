#include "windows/typedcharacter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

#ifdef Q_OS_MACOS
// Option types characters on a Mac keyboard.
constexpr bool altIsForMenus = false;
#else
constexpr bool altIsForMenus = true;
#endif

std::optional<char16_t> controlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char16_t>(key - Qt::Key_A + 1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return u'\x7f';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\n';
    case Qt::Key_Space:
        return u' ';
    default:
        return std::nullopt;
    }
}

bool isPrintable(char16_t character)
{
    return character >= u' ' && character != u'\x7f';
}

// A commit string is typed one character at a time; a surrogate pair is one character.
bool filterCommitString(QInputMethodEvent &event, const std::function<bool(char16_t)> &keyPress)
{
    const QString commit = event.commitString();
    QString kept;
    for (qsizetype index = 0; index < commit.size(); ++index) {
        const qsizetype length = commit.at(index).isHighSurrogate() && index + 1 < commit.size() &&
                                         commit.at(index + 1).isLowSurrogate()
                                     ? 2
                                     : 1;
        if (!keyPress(commit.at(index).unicode())) {
            kept += commit.mid(index, length);
        }
        index += length - 1;
    }
    if (kept != commit) {
        event.setCommitString(kept, event.replacementStart(), event.replacementLength());
    }
    // The box still shows whatever composition is under way.
    return false;
}

// No value: the key types nothing and is the box's own (Tab, arrows, Ctrl+Left). Code 0, as a
// Windows key filter swallows a key: a gesture that types nothing and must not reach the box
// either (Alt+Q).
std::optional<char16_t> typedCharacter(const QKeyEvent &event)
{
    const int key = event.key();
    // Some platforms report text for these keys, but they move focus or edit; they type nothing.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return std::nullopt;
    }
    const QString text = event.text();
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (altIsForMenus && event.modifiers().testFlag(Qt::AltModifier)) {
        // Ctrl+Alt is how AltGr arrives on Windows: it types what the layout puts there.
        if (control && !text.isEmpty() && isPrintable(text.front().unicode())) {
            return text.front().unicode();
        }
        return text.isEmpty() ? std::nullopt : std::optional<char16_t>(0);
    }
    if (control) {
        return controlCharacter(key);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text.front().unicode();
}

} // namespace

bool filterTypedCharacters(QEvent &event, const std::function<bool(char16_t)> &keyPress)
{
    if (event.type() == QEvent::InputMethod) {
        return filterCommitString(static_cast<QInputMethodEvent &>(event), keyPress);
    }
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const std::optional<char16_t> typed = typedCharacter(static_cast<QKeyEvent &>(event));
    if (!typed) {
        return false;
    }
    return *typed == 0 || keyPress(*typed);
}
