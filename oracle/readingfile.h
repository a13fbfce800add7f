#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Reading files of the sibling program: six lines of Windows-1252 text, of which lines 4 to 6
// hold the scrambled month, day and year of birth. Whatever the file is (a FIFO, a device, a
// gigabyte with no line end), reading it never blocks, never crashes and stays small.
namespace oracle {

inline constexpr std::size_t readingFileLines = 6;
// Characters kept of one line; the rest of a longer line is skipped.
inline constexpr std::size_t longestReadingLine = 4096;
// No reading file comes near this; past it the lines not yet reached stay empty.
inline constexpr std::size_t mostBytesScanned = 16 * 1024 * 1024;

using ReadingLines = std::array<std::u16string, readingFileLines>;

// Splits bytes fed in pieces into the first six lines. A line ends at CR LF, a lone CR, or a
// lone LF (a file that passed through Unix tools).
class ReadingLineSplitter
{
public:
    void feed(std::string_view bytes);
    // True once six lines are complete: nothing more needs to be read.
    bool complete() const { return m_line == readingFileLines; }
    ReadingLines finish();

private:
    void endLine();

    ReadingLines m_lines;
    std::size_t m_line = 0;
    bool m_lineStarted = false;
    bool m_afterCarriageReturn = false;
};

ReadingLines splitReadingLines(std::string_view bytes);

// Lines the file lacks, and all six when it cannot be opened or is no regular file, are empty.
// The name is as the system spells it (UTF-16 on Windows, bytes elsewhere): a std::filesystem
// path gives it, but taking one would link in C++ locales, which path conversions use.
ReadingLines readReadingFile(const std::filesystem::path::string_type &path);

} // namespace oracle
