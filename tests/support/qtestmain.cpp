#include "app/application.h"

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <QtCore/private/qeventdispatcher_win_p.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

// Qt's minimal platform on Windows runs a plain Windows event loop, which never delivers what
// the window system reports (a window shown, activated); this one does, as Qt's other
// platforms' loops do.
class WindowSystemEventDispatcher : public QEventDispatcherWin32
{
public:
    bool processEvents(QEventLoop::ProcessEventsFlags flags) override
    {
        const bool sent = QEventDispatcherWin32::processEvents(flags);
        return QWindowSystemInterface::sendWindowSystemEvents(flags) || sent;
    }
};

} // namespace
#endif

// Widget tests need the program's application object; CTest runs them on a platform that draws
// off screen.
int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    QCoreApplication::setEventDispatcher(new WindowSystemEventDispatcher);
#endif
    Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
