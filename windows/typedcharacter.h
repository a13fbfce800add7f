#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as a text box's key filter sees it: Ctrl+letter types
// its control character (Ctrl+V is 22); Tab, Delete, arrows and other keys that type nothing
// give no value.
std::optional<char16_t> typedCharacter(const QKeyEvent &event);
