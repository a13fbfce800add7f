#include "windows/typedcharacter.h"

#include <QKeyEvent>

std::optional<char16_t> typedCharacter(const QKeyEvent &event)
{
    const int key = event.key();
    // Some platforms report text for these keys, but they move focus or edit; they type nothing.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) {
        return std::nullopt;
    }
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return static_cast<char16_t>(key - Qt::Key_A + 1);
        }
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text.front().unicode();
}
