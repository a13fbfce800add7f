// Times the heaviest inputs a person can give and reports the peak memory of each.
// Usage: worstcases paste|codec|file   (one case a process, so each peak is its own)
#include "app/qtplatform.h"
#include "oracle/readingfile.h"
#include "oracle/textcodec.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long peakKiB()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(const char *name, Clock::duration took, const std::string &result)
{
    std::printf("%-44s %10.2f ms  peak %7ld KiB  %s\n", name,
                std::chrono::duration<double, std::milli>(took).count(), peakKiB(), result.c_str());
}

int pasteMillionCharacterName()
{
    QtPlatform platform;
    MainWindow window(platform);
    window.show();
    auto *first = window.findChild<QLineEdit *>(QStringLiteral("txtNameFirst"));
    auto *last = window.findChild<QLineEdit *>(QStringLiteral("txtNameLast"));
    first->setText(QStringLiteral("anna"));
    QApplication::clipboard()->setText(QString(1'000'000, u'x'));
    const auto started = Clock::now();
    last->setFocus();
    last->paste();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
    const auto took = Clock::now() - started;
    report("paste a 1,000,000-character last name + Ask", took,
           window.findChild<QLabel *>(QStringLiteral("lblResult(0)"))->text().toStdString() + " (" +
               std::to_string(last->text().size()) + " characters)");
    return 0;
}

int codecOnLongestText()
{
    const std::u16string text(oracle::longestCodecText, u'a');
    constexpr int rounds = 1000;
    std::size_t kept = 0;
    const auto started = Clock::now();
    for (int round = 0; round < rounds; ++round) {
        kept += oracle::UnscrambleText(oracle::ScrambleText(text)).size();
    }
    const auto took = (Clock::now() - started) / rounds;
    report("scramble + unscramble 32,767 characters", took,
           std::to_string(kept / rounds) + " characters back");
    return 0;
}

int openGigabyteFile()
{
    QTemporaryDir folder;
    const std::filesystem::path path = folder.filePath(QStringLiteral("huge.num")).toStdString();
    std::ofstream(path) << "first line";
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30);
    const auto started = Clock::now();
    const oracle::ReadingLines lines = oracle::readReadingFile(path);
    const auto took = Clock::now() - started;
    report("read a 1 GiB reading file without line ends", took,
           "first line kept: " + std::to_string(lines[0].size()) + " characters");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "";
    if (which == "paste") {
        return pasteMillionCharacterName();
    }
    if (which == "codec") {
        return codecOnLongestText();
    }
    if (which == "file") {
        return openGigabyteFile();
    }
    std::fprintf(stderr, "usage: worstcases paste|codec|file\n");
    return 2;
}
