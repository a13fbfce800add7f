// The floors for any Qt Widgets program: one empty window. With "text", the window shows one
// line of text, the floor for any window that shows words (the first text pays for the font
// system). With "controls", it also holds one of each kind of control the main window has: a
// menu bar with a menu, a frame, a text box, a button, a drop-down list. Start-up and memory of
// the program are measured against them in the same run.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "controls") {
        QMainWindow window;
        window.resize(379, 311);
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        auto *client = new QWidget(&window);
        window.setCentralWidget(client);
        new QLabel(QStringLiteral("Tavik Huescry"), client);
        auto *frame = new QGroupBox(QStringLiteral("Frame"), client);
        frame->setGeometry(10, 30, 300, 200);
        new QLineEdit(frame);
        (new QPushButton(QStringLiteral("&Ask"), frame))->move(0, 40);
        (new QComboBox(frame))->move(0, 80);
        window.show();
        return application.exec();
    }
    QWidget window;
    window.resize(379, 311);
    if (mode == "text") {
        new QLabel(QStringLiteral("Tavik Huescry"), &window);
    }
    window.show();
    return application.exec();
}
