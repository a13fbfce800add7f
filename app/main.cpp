#include "app/application.h"
#include "app/qtplatform.h"
#include "app/startupwindow.h"
#include "app/terminationsignal.h"

#include <QFileInfo>
#include <QTimer>

namespace {

// A Wayland desktop also runs X programs, through XWayland, and there the window manager honours
// what the program asks: the exit promotion window kept on top, the windows centred. Native
// Wayland offers neither, so it is the way only where there is no X display. A platform the
// user chose stands. True when the choice was made here.
bool preferX11()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        return true;
    }
#endif
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool platformChosenHere = preferX11();
    Application application(argc, argv);
    // Not handed on to the programs started from here, such as the browser.
    if (platformChosenHere) {
        qunsetenv("QT_QPA_PLATFORM");
    }
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
