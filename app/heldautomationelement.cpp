#include "app/heldautomationelement.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QWindow>

#ifdef Q_OS_WIN

#include <windows.h>

namespace {

// Exported by every UI Automation since Windows Vista and by wine's. Debian 12's mingw-w64 does
// not declare it, and its header of UI Automation's functions does not compile as C++; a node is
// a handle.
using NodeFromHandle = HRESULT(WINAPI *)(HWND, void **);

// In an apartment apart from the thread wine serves the program's elements from, what is held is
// a proxy, whose other end stays. Single-threaded, it serves what may call back into it.
DWORD WINAPI holdElement(void *window)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const auto nodeFromHandle = reinterpret_cast<NodeFromHandle>(reinterpret_cast<void *>(
        GetProcAddress(LoadLibraryW(L"uiautomationcore.dll"), "UiaNodeFromHandle")));
    void *node = nullptr;
    if (nodeFromHandle) {
        nodeFromHandle(static_cast<HWND>(window), &node);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

// Qt's bridge turns on when a reader first asks a window; until then nothing is held, so that
// nothing changes for a user without one.
class ElementHolder : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active || m_holding) {
            return;
        }
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible()) {
                m_holding = true;
                CloseHandle(CreateThread(nullptr, 0, holdElement,
                                         reinterpret_cast<void *>(window->winId()), 0, nullptr));
                return;
            }
        }
    }

private:
    bool m_holding = false;
};

} // namespace

void holdAutomationElementOnceAsked()
{
    static ElementHolder holder;
    QAccessible::installActivationObserver(&holder);
}

#else

void holdAutomationElementOnceAsked() {}

#endif
