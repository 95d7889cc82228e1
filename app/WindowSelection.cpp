#include "app/WindowSelection.h"

#include <cwchar>

namespace {

const wchar_t* const kShellClasses[] = {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"};
const wchar_t kMenuClass[] = L"#32768";

bool OfAnotherProgramsOwnWindows(const WindowTraits& window) {
    return !window.ofThisProcess && (window.style & WS_CHILD) == 0 && (window.exStyle & WS_EX_TOOLWINDOW) == 0 &&
           !IsShellWindowClass(window.className);
}

}  // namespace

bool IsShellWindowClass(const wchar_t* className) {
    for (const wchar_t* shell : kShellClasses) {
        if (_wcsicmp(className, shell) == 0) return true;
    }
    return false;
}

bool ListedAsOnTop(const WindowTraits& window) {
    return OfAnotherProgramsOwnWindows(window) && window.visible && window.hasTitle &&
           (window.exStyle & WS_EX_TOPMOST) != 0;
}

bool TakenByRule(const WindowTraits& window) {
    const bool captioned = (window.style & WS_CAPTION) == WS_CAPTION || (window.exStyle & WS_EX_APPWINDOW) != 0;
    return OfAnotherProgramsOwnWindows(window) && captioned && std::wcscmp(window.className, kMenuClass) != 0;
}
