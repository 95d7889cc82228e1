#include "app/ForeignWindow.h"

#include <tlhelp32.h>

#include "app/TitleText.h"
#include "common/UniqueHandle.h"

namespace foreign_window {

bool OfOtherThread(HWND window) { return ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId(); }

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

bool AnswersPromptly(HWND window) {
    if (!OfOtherThread(window)) return true;
    DWORD_PTR answer = 0;
    // Blocking keeps messages sent to this thread from running inside the
    // wait, where they could change what the caller is in the middle of.
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &answer) != 0;
}

std::size_t Title(HWND window, wchar_t* out, std::size_t size) {
    // One unit more than fits tells a title that must be cut.
    wchar_t title[258];
    const std::size_t room = size < 257 ? size : 257;
    const int length = ::InternalGetWindowText(window, title, static_cast<int>(room + 1));
    const std::size_t cut = ShortenTitle(title, length > 0 ? static_cast<std::size_t>(length) : 0, room - 1);
    lstrcpynW(out, title, static_cast<int>(cut + 1));
    return cut;
}

bool ProgramName(DWORD process, wchar_t (&out)[MAX_PATH]) {
    out[0] = L'\0';
    UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != process) continue;
        lstrcpynW(out, entry.szExeFile, MAX_PATH);
        return out[0] != L'\0';
    }
    return false;
}

HICON SmallIcon(HWND window, DWORD deadline) {
    DWORD_PTR icon = 0;
    // The longest one program may take; a program that has not answered for
    // a while is not asked at all.
    constexpr DWORD kIconAnswerMs = 50;
    // ICON_SMALL2 is XP's: the small icon, or the one the system makes from
    // the large one. Windows 2000 answers it with none, and the class's
    // icons stand in.
    if (static_cast<LONG>(deadline - ::GetTickCount()) > 0 &&
        ::SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL2, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kIconAnswerMs,
                              &icon) &&
        icon != 0)
        return reinterpret_cast<HICON>(icon);
    icon = ::GetClassLongPtrW(window, GCLP_HICONSM);
    if (icon == 0) icon = ::GetClassLongPtrW(window, GCLP_HICON);
    return reinterpret_cast<HICON>(icon);
}

namespace {
// A callback of the system's calling convention, which a lambda's is not on
// a 32-bit build.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

WindowTraits Traits(HWND window, wchar_t (&className)[64]) {
    className[0] = L'\0';
    ::GetClassNameW(window, className, 64);
    wchar_t title[2];
    return {ProcessOf(window) == ::GetCurrentProcessId(),
            ::IsWindowVisible(window) != FALSE,
            ::InternalGetWindowText(window, title, 2) > 0,
            static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)),
            static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)),
            className};
}

}  // namespace foreign_window
