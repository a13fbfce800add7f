#pragma once

// The scenarios' Windows tools read Windows' UTF-16 and write UTF-8 for the scenarios to read.
#include <windows.h>

#include <string>
#include <string_view>

inline std::string utf8(std::wstring_view text)
{
    const int length = int(text.size());
    std::string bytes(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), int(bytes.size()), nullptr,
                        nullptr);
    return bytes;
}
