// The floor for any Qt Widgets program: one empty window. With "text", the window shows one
// line of text, the floor for any window that shows words (the first text pays for the font
// system). Start-up and memory of the program are measured against both in the same run.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(379, 311);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        new QLabel(QStringLiteral("Tavik Huescry"), &window);
    }
    window.show();
    return application.exec();
}
