// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// A UI Automation client, as a Windows screen reader is one: it finds the game's window, its button in
// UI Automation's tree, and writes the button's Name, HelpText and FullDescription, one per line
// ("name: Begin"). Test-only: play-under-wine.sh builds it with MinGW-w64 and runs it beside the game.
// Every call that fails is written with its result ("failed: IUIAutomation::ElementFromHandle 0x80004001")
// and ends it with status 2, so a partial UI Automation (Wine's) shows exactly where it stops.
// Usage: uia-read.exe <program file name, e.g. highroll.exe>
#include <windows.h>

// The client interfaces only: uiautomation.h also declares the provider API, which some MinGW-w64 releases
// cannot compile as C++.
#include <uiautomationclient.h>
#ifndef __IUIAutomation_INTERFACE_DEFINED__
#error "this MinGW-w64 has no UI Automation client interfaces (IUIAutomation)"
#endif

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void failed(const char* call, HRESULT result)
{
    std::printf("failed: %s 0x%08lx\n", call, static_cast<unsigned long>(result));
    std::exit(2);
}

void check(const char* call, HRESULT result)
{
    if (FAILED(result)) {
        failed(call, result);
    }
}

std::string utf8(const wchar_t* text, int length = -1)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    if (length < 0 && !bytes.empty()) {
        bytes.pop_back(); // the terminating zero
    }
    return bytes;
}

struct Search {
    std::wstring program;
    HWND window = nullptr;
};

// The visible top-level window of a process whose program file is named program.
BOOL CALLBACK visitWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (handle == nullptr || !IsWindowVisible(window)) {
        if (handle != nullptr) {
            CloseHandle(handle);
        }
        return TRUE;
    }
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(handle, 0, path, &size) != 0;
    CloseHandle(handle);
    const std::wstring file = named ? std::wstring(path, size) : std::wstring();
    const std::size_t slash = file.find_last_of(L"\\/");
    if (named && lstrcmpiW(file.substr(slash == std::wstring::npos ? 0 : slash + 1).c_str(),
                           search->program.c_str()) == 0) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

// Writes "<label>: <text>" from the element's own getter or, where that fails, from
// GetCurrentPropertyValue (empty where the provider does not set the property: VT_EMPTY). Wine implements
// some of each; a property that neither gives fails with both results.
void writeProperty(IUIAutomationElement& element, const char* label, PROPERTYID property,
                   HRESULT (IUIAutomationElement::*getter)(BSTR*))
{
    BSTR text = nullptr;
    const HRESULT got = getter != nullptr ? (element.*getter)(&text) : E_NOTIMPL;
    if (SUCCEEDED(got)) {
        std::printf("%s: %s\n", label,
                    text != nullptr ? utf8(text, static_cast<int>(SysStringLen(text))).c_str() : "");
        SysFreeString(text);
        return;
    }
    VARIANT value;
    VariantInit(&value);
    const HRESULT read = element.GetCurrentPropertyValue(property, &value);
    if (FAILED(read)) {
        std::printf("failed: the button's %s: its getter 0x%08lx, GetCurrentPropertyValue 0x%08lx\n", label,
                    static_cast<unsigned long>(got), static_cast<unsigned long>(read));
        std::exit(2);
    }
    std::printf("%s: %s\n", label,
                value.vt == VT_BSTR && value.bstrVal != nullptr
                    ? utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))).c_str()
                    : "");
    VariantClear(&value);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia-read.exe <program file name>\n");
        return 1;
    }
    Search search{argv[1]};
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
    if (search.window == nullptr) {
        std::printf("failed: no visible window of %s\n", utf8(argv[1]).c_str());
        return 2;
    }
    check("CoInitializeEx", CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    IUIAutomation* automation = nullptr;
    check("CoCreateInstance(CUIAutomation)",
          CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                           reinterpret_cast<void**>(&automation)));
    IUIAutomationElement* window = nullptr;
    check("IUIAutomation::ElementFromHandle", automation->ElementFromHandle(search.window, &window));
    if (window == nullptr) {
        failed("IUIAutomation::ElementFromHandle (no element)", S_FALSE);
    }
    // The button has the keyboard focus whenever it is shown: the element a screen reader reads first.
    // Otherwise it is looked for under the window as the one element that takes the keyboard focus (Wine
    // evaluates conditions on true-or-false properties only, and has no tree walkers).
    IUIAutomationElement* button = nullptr;
    check("IUIAutomation::GetFocusedElement", automation->GetFocusedElement(&button));
    CONTROLTYPEID type = 0;
    if (button != nullptr) {
        check("IUIAutomationElement::get_CurrentControlType (focused)",
              button->get_CurrentControlType(&type));
    }
    if (type != UIA_ButtonControlTypeId) {
        std::printf("note: the focused element is %s, of control type %ld\n",
                    button != nullptr ? "there" : "none", static_cast<long>(type));
        if (button != nullptr) {
            button->Release();
        }
        VARIANT focusable;
        VariantInit(&focusable);
        focusable.vt = VT_BOOL;
        focusable.boolVal = VARIANT_TRUE;
        IUIAutomationCondition* takes_focus = nullptr;
        check(
            "IUIAutomation::CreatePropertyCondition(IsKeyboardFocusable)",
            automation->CreatePropertyCondition(UIA_IsKeyboardFocusablePropertyId, focusable, &takes_focus));
        button = nullptr;
        check("IUIAutomationElement::FindFirst(TreeScope_Descendants, IsKeyboardFocusable)",
              window->FindFirst(TreeScope_Descendants, takes_focus, &button));
        takes_focus->Release();
        if (button == nullptr) {
            failed(
                "IUIAutomationElement::FindFirst(TreeScope_Descendants, IsKeyboardFocusable) found nothing",
                S_FALSE);
        }
        check("IUIAutomationElement::get_CurrentControlType", button->get_CurrentControlType(&type));
        if (type != UIA_ButtonControlTypeId) {
            failed("the element that takes the keyboard focus is no button (its control type)", type);
        }
    }

    writeProperty(*button, "name", UIA_NamePropertyId, &IUIAutomationElement::get_CurrentName);
    writeProperty(*button, "helptext", UIA_HelpTextPropertyId, &IUIAutomationElement::get_CurrentHelpText);
    // Its getter is IUIAutomationElement6's, which an older UI Automation lacks.
    writeProperty(*button, "fulldescription", UIA_FullDescriptionPropertyId, nullptr);
    button->Release();
    window->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
