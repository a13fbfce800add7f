#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

// The colour oracle speaks std::u16string; the windows speak QString. Both are UTF-16.

inline std::u16string_view utf16(const QString &text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}
