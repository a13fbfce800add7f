// A window with no Qt in it, for a UI Automation client to try to stall under wine 10: one
// element, served as Qt serves its own (a server-side provider that asks for COM threading),
// which raises a focus event three times a second. uiastall.py runs it beside uiaclient.cpp; see
// the README's Accessibility section for what stalls and why.
//
//   uiastall [keep]   keep: hold a node of the window from a thread of its own, as the program
//                     does, so that wine never unregisters the node's interface
#include <windows.h>

#include <ole2.h>
#include <uiautomation.h>

#include <cstring>

namespace {

HWND window;

class Element : public IRawElementProviderSimple
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid != IID_IUnknown && iid != IID_IRawElementProviderSimple) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    // One element for the program's whole life.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override
    {
        *options =
            ProviderOptions(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **pattern) override
    {
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID id, VARIANT *value) override
    {
        VariantInit(value);
        if (id == UIA_NamePropertyId) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocString(L"Stall");
        } else if (id == UIA_ControlTypePropertyId) {
            value->vt = VT_I4;
            value->lVal = UIA_ButtonControlTypeId;
        } else if (id == UIA_HasKeyboardFocusPropertyId) {
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_TRUE;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override
    {
        return UiaHostProviderFromHwnd(window, host);
    }
} element;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        if (LONG(lParam) == UiaRootObjectId) {
            return UiaReturnRawElementProvider(hwnd, wParam, lParam, &element);
        }
        break;
    case WM_TIMER:
        UiaRaiseAutomationEvent(&element, UIA_AutomationFocusChangedEventId);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// An apartment apart from wine's own providers' thread, so that the node is a proxy and its stub
// stays; a single-threaded one, so it serves what calls back into it.
DWORD WINAPI keepNode(void *)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HUIANODE node = nullptr;
    UiaNodeFromHandle(window, &node);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    OleInitialize(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"UiaStall";
    RegisterClassW(&windowClass);
    window = CreateWindowW(L"UiaStall", L"Stall", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                           nullptr, nullptr, windowClass.hInstance, nullptr);
    if (argc > 1 && std::strcmp(argv[1], "keep") == 0) {
        CloseHandle(CreateThread(nullptr, 0, keepNode, nullptr, 0, nullptr));
    }
    SetTimer(window, 1, 300, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    OleUninitialize();
    return 0;
}
