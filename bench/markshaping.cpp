// Times shaping a name of one letter and a long run of combining marks, at two lengths, as a
// name pasted into a box is shaped: in linear time, ten times the marks take about ten times as
// long. Run by bench/run on the Windows build, whose HarfBuzz is Qt's own copy.
#include <QGuiApplication>
#include <QTextLayout>

#include <chrono>
#include <cstdio>

namespace {

double shapingMilliseconds(int marks, const QFont &font, QString *shapedWith)
{
    // U+0301, the combining acute accent, which a font's marks attach to the letter before.
    QTextLayout layout(u'a' + QString(marks, QChar(0x0301)), font);
    const auto started = std::chrono::steady_clock::now();
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto took = std::chrono::steady_clock::now() - started;
    *shapedWith = layout.glyphRuns().value(0).rawFont().familyName();
    return std::chrono::duration<double, std::milli>(took).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    // A font whose marks are placed by its own attachment table, where the look-back is.
    const QFont font(QStringLiteral("DejaVu Sans"));
    QString shapedWith;
    const double short_ = shapingMilliseconds(10'000, font, &shapedWith);
    const double long_ = shapingMilliseconds(100'000, font, &shapedWith);
    std::printf("  shaping a letter and 10,000 combining marks  %8.1f ms\n"
                "  shaping a letter and 100,000 combining marks %8.1f ms  (%.1f times; %s)\n",
                short_, long_, long_ / short_, qPrintable(shapedWith));
    return 0;
}
