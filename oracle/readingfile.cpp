#include "oracle/readingfile.h"

#include "oracle/windows1252.h"

#include <memory>

#ifdef _WIN32
#include <algorithm>
#include <cwctype>

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace oracle {

void ReadingLineSplitter::feed(std::string_view bytes)
{
    for (const char byte : bytes) {
        if (complete()) {
            return;
        }
        if (byte == '\n' && m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            continue;
        }
        m_afterCarriageReturn = byte == '\r';
        if (byte == '\r' || byte == '\n') {
            endLine();
            continue;
        }
        m_lineStarted = true;
        std::u16string &line = m_lines[m_line];
        if (line.size() < longestReadingLine) {
            line.push_back(fromWindows1252(static_cast<unsigned char>(byte)));
        }
    }
}

void ReadingLineSplitter::endLine()
{
    ++m_line;
    m_lineStarted = false;
}

ReadingLines ReadingLineSplitter::finish()
{
    if (m_lineStarted && !complete()) {
        endLine();
    }
    return m_lines;
}

ReadingLines splitReadingLines(std::string_view bytes)
{
    ReadingLineSplitter splitter;
    splitter.feed(bytes);
    return splitter.finish();
}

#ifdef _WIN32

namespace {

// CON, NUL, COM1 and their kin open devices whatever folder or extension they are given.
bool isDeviceName(const std::wstring &path)
{
    // The name's last part without its extension, as std::filesystem::path::stem() has it.
    std::wstring stem = path.substr(path.find_last_of(L"\\/:") + 1);
    if (const auto dot = stem.rfind(L'.'); dot != std::wstring::npos && dot > 0 && stem != L"..") {
        stem.resize(dot);
    }
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](wchar_t c) { return std::towupper(c); });
    for (const wchar_t *device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (stem == device) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

} // namespace

// Read through the system itself, as on Unix: C++ streams would bring their whole locale
// machinery into the program, half a megabyte of it.
ReadingLines readReadingFile(const std::wstring &path)
{
    if (isDeviceName(path)) {
        return {};
    }
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    ReadingLineSplitter splitter;
    // Checked on what was opened, not on the name: a folder, pipe or device reads as nothing.
    BY_HANDLE_FILE_INFORMATION information = {};
    if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &information) &&
        !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        constexpr DWORD chunk = 64 * 1024;
        auto buffer = std::make_unique<char[]>(chunk);
        std::size_t scanned = 0;
        DWORD count = 0;
        while (!splitter.complete() && scanned < mostBytesScanned &&
               ::ReadFile(file, buffer.get(), chunk, &count, nullptr) && count > 0) {
            splitter.feed({buffer.get(), count});
            scanned += count;
        }
    }
    ::CloseHandle(file);
    return splitter.finish();
}

#else

ReadingLines readReadingFile(const std::string &path)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the program in open().
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return {};
    }
    struct stat status = {};
    ReadingLineSplitter splitter;
    // Checked on what was opened, not on the name, so a swap in between changes nothing.
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        constexpr std::size_t chunk = 64 * 1024;
        auto buffer = std::make_unique<char[]>(chunk);
        std::size_t scanned = 0;
        while (!splitter.complete() && scanned < mostBytesScanned) {
            const ssize_t count = ::read(descriptor, buffer.get(), chunk);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                break;
            }
            splitter.feed({buffer.get(), static_cast<std::size_t>(count)});
            scanned += static_cast<std::size_t>(count);
        }
    }
    ::close(descriptor);
    return splitter.finish();
}

#endif

} // namespace oracle
