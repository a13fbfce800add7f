// What a Windows screen reader is given through UI Automation, asked as one asks it: the tree of
// the window in front, the element with the keyboard focus, and the focus changes as they come.
// It only reads; the scenario acts with the keyboard. Built by the Windows build with Debian 13's
// mingw-w64, whose headers declare UI Automation's client interfaces.
//
//   uiaclient tree [X Y]      every element of the window in front, or of the one at the point
//                             X, Y of the screen, a line each
//   uiaclient focus [X Y]     the element with the keyboard focus in that window
//   uiaclient events          each focus change as it comes, a line each, until stdin closes
//   uiaclient answers WINDOW  whether the window answers, as a reader would find one that hangs
//
// tree and focus first name the window ("window", a tab, its handle). An element's line:
// depth, control type, name, automation id and "offscreen" or "onscreen", separated by tabs.
// tree and focus end by asking the window to answer: exit status 3 when it does not, 2
// when UI Automation fails.
#include <windows.h>

#include <uiautomation.h>

#include "utf8.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// wine serves most properties only through this call, not through get_Current*.
VARIANT property(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    element->GetCurrentPropertyValueEx(id, TRUE, &value);
    return value;
}

std::string text(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    std::string found;
    if (value.vt == VT_BSTR && value.bstrVal) {
        found = utf8({value.bstrVal, SysStringLen(value.bstrVal)});
    }
    VariantClear(&value);
    // One element, one line.
    for (char &character : found) {
        if (character == '\n' || character == '\r' || character == '\t') {
            character = ' ';
        }
    }
    return found;
}

bool flag(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    return value.vt == VT_BOOL && value.boolVal == VARIANT_TRUE;
}

const char *controlType(IUIAutomationElement *element)
{
    VARIANT value = property(element, UIA_ControlTypePropertyId);
    const long type = value.vt == VT_I4 ? value.lVal : 0;
    const struct
    {
        long id;
        const char *name;
    } names[] = {
        {UIA_ButtonControlTypeId, "Button"},     {UIA_CheckBoxControlTypeId, "CheckBox"},
        {UIA_ComboBoxControlTypeId, "ComboBox"}, {UIA_EditControlTypeId, "Edit"},
        {UIA_GroupControlTypeId, "Group"},       {UIA_ListControlTypeId, "List"},
        {UIA_ListItemControlTypeId, "ListItem"}, {UIA_MenuControlTypeId, "Menu"},
        {UIA_MenuBarControlTypeId, "MenuBar"},   {UIA_MenuItemControlTypeId, "MenuItem"},
        {UIA_PaneControlTypeId, "Pane"},         {UIA_SeparatorControlTypeId, "Separator"},
        {UIA_TextControlTypeId, "Text"},         {UIA_TitleBarControlTypeId, "TitleBar"},
        {UIA_WindowControlTypeId, "Window"},     {UIA_HyperlinkControlTypeId, "Hyperlink"},
        {UIA_ImageControlTypeId, "Image"},       {UIA_ScrollBarControlTypeId, "ScrollBar"},
    };
    for (const auto &entry : names) {
        if (entry.id == type) {
            return entry.name;
        }
    }
    return "Other";
}

void printElement(IUIAutomationElement *element, int depth)
{
    std::printf("%d\t%s\t%s\t%s\t%s\n", depth, controlType(element),
                text(element, UIA_NamePropertyId).c_str(),
                text(element, UIA_AutomationIdPropertyId).c_str(),
                flag(element, UIA_IsOffscreenPropertyId) ? "offscreen" : "onscreen");
    std::fflush(stdout);
}

// wine has no tree walkers: children are found one level at a time.
void printTree(IUIAutomation *automation, IUIAutomationElement *element, int depth)
{
    printElement(element, depth);
    IUIAutomationCondition *any = nullptr;
    IUIAutomationElementArray *children = nullptr;
    automation->CreateTrueCondition(&any);
    if (SUCCEEDED(element->FindAll(TreeScope_Children, any, &children)) && children) {
        int count = 0;
        children->get_Length(&count);
        for (int index = 0; index < count; ++index) {
            IUIAutomationElement *child = nullptr;
            if (SUCCEEDED(children->GetElement(index, &child)) && child) {
                printTree(automation, child, depth + 1);
                child->Release();
            }
        }
        children->Release();
    }
    any->Release();
}

// wine's GetFocusedElement answers with the desktop, and its FindFirst with nothing; a search of
// all under the window in front finds the element.
bool printFocus(IUIAutomation *automation, IUIAutomationElement *window)
{
    VARIANT yes;
    VariantInit(&yes);
    yes.vt = VT_BOOL;
    yes.boolVal = VARIANT_TRUE;
    IUIAutomationCondition *focused = nullptr;
    IUIAutomationElementArray *found = nullptr;
    automation->CreatePropertyCondition(UIA_HasKeyboardFocusPropertyId, yes, &focused);
    int count = 0;
    if (SUCCEEDED(window->FindAll(TreeScope_Descendants, focused, &found)) && found) {
        found->get_Length(&count);
        IUIAutomationElement *element = nullptr;
        if (count > 0 && SUCCEEDED(found->GetElement(0, &element)) && element) {
            printElement(element, 0);
            element->Release();
        }
        found->Release();
    }
    focused->Release();
    if (count == 0) {
        std::fprintf(stderr, "nothing has the keyboard focus in the window in front\n");
    }
    return count > 0;
}

class FocusPrinter : public IUIAutomationFocusChangedEventHandler
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&m_references); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = static_cast<IUIAutomationFocusChangedEventHandler *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override
    {
        printElement(sender, 0);
        return S_OK;
    }

private:
    LONG m_references = 1;
};

// A program that has crashed fails at once; a hung one never answers. The wait is long enough for
// a program under wine on a machine busy building beside it.
bool answers(HWND window)
{
    DWORD_PTR result = 0;
    return window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc >= 2 ? argv[1] : "";
    if (!((command == "tree" || command == "focus") && (argc == 2 || argc == 4)) &&
        !(command == "events" && argc == 2) && !(command == "answers" && argc == 3)) {
        std::fprintf(stderr, "usage: uiaclient tree|focus [X Y] | events | answers WINDOW\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation *automation = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IUIAutomation), reinterpret_cast<void **>(&automation)))) {
        std::fprintf(stderr, "no UI Automation\n");
        return 2;
    }
    bool ok = true;
    HWND front = nullptr;
    if (command == "answers") {
        front = reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 16));
    } else if (command == "events") {
        FocusPrinter printer;
        ok = SUCCEEDED(automation->AddFocusChangedEventHandler(nullptr, &printer));
        std::printf("listening\n");
        std::fflush(stdout);
        char line[64];
        while (ok && std::fgets(line, sizeof line, stdin)) {
        }
        automation->RemoveAllEventHandlers();
    } else {
        // The window at the given point of the screen, or the one in front: once a window has
        // closed, wine names no window in front until the user clicks one.
        front = argc == 4 ? GetAncestor(WindowFromPoint({std::atoi(argv[2]), std::atoi(argv[3])}),
                                        GA_ROOT)
                          : nullptr;
        if (!front) {
            front = GetForegroundWindow();
        }
        std::printf("window\t%p\n", static_cast<void *>(front));
        IUIAutomationElement *window = nullptr;
        ok = front && SUCCEEDED(automation->ElementFromHandle(front, &window)) && window;
        if (!ok) {
            std::fprintf(stderr, "no window in front\n");
        }
        if (ok && command == "tree") {
            printTree(automation, window, 0);
        } else if (ok) {
            ok = printFocus(automation, window);
        }
        if (window) {
            window->Release();
        }
    }
    automation->Release();
    if (!ok) {
        return 2;
    }
    if (command != "events" && !answers(front)) {
        std::fprintf(stderr, "the window does not answer (%lu)\n", GetLastError());
        return 3;
    }
    return 0;
}
