#pragma once

#include <functional>
#include <optional>

class QEvent;

// Runs a box's key-press handler on each character that a key press, a dead-key composition or
// an input method types into the box, as a Windows text box sees typed characters: Ctrl+letter
// types its control character (Ctrl+V is 22), Ctrl+Backspace 127, Ctrl+Enter 10, Ctrl+Space a
// space; Alt with a key types nothing, since Alt belongs to the menus and access keys; Tab,
// Delete and the arrows type nothing and are left to the box. The handler returns true to
// swallow its character, and only the characters it lets through reach the box. Returns true
// when the event is swallowed whole.
bool filterTypedCharacters(QEvent &event, const std::function<bool(char16_t)> &keyPress);
