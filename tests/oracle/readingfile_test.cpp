#include "oracle/readingfile.h"
#include "oracle/textcodec.h"
#include "oracle/windows1252.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using oracle::ReadingLines;

struct Split
{
    const char *name;
    std::string bytes;
    ReadingLines lines;
};

class Splitting : public testing::TestWithParam<Split>
{};

TEST_P(Splitting, GivesTheFirstSixLines)
{
    EXPECT_EQ(oracle::splitReadingLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Splitting,
    testing::Values(
        Split{"CarriageReturnLineFeed",
              "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n",
              {u"1", u"2", u"3", u"4", u"5", u"6"}},
        Split{"LoneCarriageReturn", "1\r2\r3\r4\r5\r6", {u"1", u"2", u"3", u"4", u"5", u"6"}},
        Split{"LoneLineFeed", "1\n2\n3\n4\n5\n6\n", {u"1", u"2", u"3", u"4", u"5", u"6"}},
        Split{"EmptyLinesCount", "\r\n\n\r4\r\n", {u"", u"", u"", u"4", u"", u""}},
        Split{"ThreeLines", "a\r\nb\r\nc", {u"a", u"b", u"c", u"", u"", u""}},
        Split{"Nothing", "", {}},
        Split{"Windows1252Bytes",
              std::string("\x80\x92\xff\r\n", 5),
              {u"\u20AC\u2019\u00FF", u"", u"", u"", u"", u""}},
        Split{"NulBytesAreCharacters",
              std::string("a\0b\n", 4),
              {std::u16string(u"a\0b", 3), u"", u"", u"", u"", u""}}),
    [](const testing::TestParamInfo<Split> &info) { return info.param.name; });

TEST(Splitting, ALineEndSplitAcrossPiecesIsOneLineEnd)
{
    oracle::ReadingLineSplitter splitter;
    splitter.feed("a\r");
    splitter.feed("\nb\r");
    splitter.feed("\n");
    EXPECT_EQ(splitter.finish(), (ReadingLines{u"a", u"b", u"", u"", u"", u""}));
}

TEST(Splitting, AnOverlongLineIsCutAndItsRestSkipped)
{
    const std::string line(oracle::longestReadingLine * 3, 'x');
    const ReadingLines lines = oracle::splitReadingLines(line + "\r\nsecond\r\n");
    EXPECT_EQ(lines[0], std::u16string(oracle::longestReadingLine, u'x'));
    EXPECT_EQ(lines[1], u"second");
}

class ReadingFileOnDisk : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("readingfile-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path write(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder;
};

TEST_F(ReadingFileOnDisk, ScrambledDateLinesComeBackAsTheDate)
{
    std::string bytes = "Tallowen\r\nAnn\r\nLee\r\n";
    for (const char *date : {"12", "8", "1990"}) {
        const std::u16string plain(date, date + std::strlen(date));
        for (const char16_t scrambled : oracle::ScrambleText(plain)) {
            bytes += static_cast<char>(*oracle::toWindows1252(scrambled)); // bytes 133 to 142
        }
        bytes += "\r\n";
    }
    const ReadingLines lines = oracle::readReadingFile(write("ann.num", bytes));
    EXPECT_EQ(lines[1], u"Ann");
    EXPECT_EQ(oracle::UnscrambleText(lines[3]), u"12");
    EXPECT_EQ(oracle::UnscrambleText(lines[4]), u"8");
    EXPECT_EQ(oracle::UnscrambleText(lines[5]), u"1990");
}

#ifdef _WIN32

TEST_F(ReadingFileOnDisk, DeviceNamesAreNeitherReadNorWaitedOn)
{
    for (const char *device : {"CON", "con.num", "NUL.num", "COM1.num", "LPT9", "CONIN$"}) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(oracle::readReadingFile(folder / device), ReadingLines{}) << device;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << device;
    }
    EXPECT_EQ(oracle::readReadingFile(write("console.num", "a\r\n"))[0], u"a");
}

#else

TEST_F(ReadingFileOnDisk, WhatIsNoRegularFileIsNeitherReadNorWaitedOn)
{
    const fs::path fifo = folder / "fifo.num";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path socketPath = folder / "socket.num";
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    fs::create_symlink("/dev/zero", folder / "zero.num");

    for (const fs::path &path : {fifo, socketPath, folder / "zero.num", fs::path("/dev/zero"),
                                 fs::path("/dev/null"), folder, folder / "missing.num"}) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(oracle::readReadingFile(path), ReadingLines{}) << path;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << path;
    }
    ::close(listening);
}

#endif

TEST_F(ReadingFileOnDisk, AGigabyteWithoutLineEndsIsScannedOnlySoFar)
{
    const fs::path huge = folder / "huge.num";
    {
        std::ofstream(huge, std::ios::binary) << "first";
    }
    fs::resize_file(huge, std::uintmax_t{1} << 30); // sparse: zeros, no line end
    const ReadingLines lines = oracle::readReadingFile(huge);
    EXPECT_EQ(lines[0].size(), oracle::longestReadingLine);
    EXPECT_TRUE(lines[0].starts_with(u"first"));
    EXPECT_EQ(lines[1], u"");
}

} // namespace
