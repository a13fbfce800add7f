#pragma once

#include <QSettings>

// Qt's INI files, with every value read as text. Qt's own INI reader turns a value written as
// "@Variant(…)" into whatever object its bytes describe, pictures among them, so a settings file
// put there by someone else reaches Qt's image decoders before the program reads a word of it.
// Here such a value stays the text it is in the file, and is written back unchanged. The syntax is
// Qt's: files written by either read the same, "@@" escapes a leading "@", and the two faults Qt
// reports as a format error (a section without "]", a line without "=") are reported too.
QSettings::Format iniAsTextFormat();

namespace iniAsText {

bool read(QIODevice &device, QSettings::SettingsMap &map);
bool write(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace iniAsText
