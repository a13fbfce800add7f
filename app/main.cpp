#include "app/qtplatform.h"
#include "app/startupwindow.h"
#include "app/terminationsignal.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The executable's name as started, without extension: a copy under another name keeps its
    // own settings and runs beside this one.
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    // Only the ending routine ends the program: the main window's closing hands over to the
    // exit promotion window instead.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    StartupWindow startup(platform);
    QApplication::setWindowIcon(startup.IMGIcon());
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &startup,
                     &StartupWindow::EndProgram);

    // Started from inside the event loop, so that ending at any point leaves it.
    QTimer::singleShot(0, &startup, &StartupWindow::StartProgram);
    return application.exec();
}
