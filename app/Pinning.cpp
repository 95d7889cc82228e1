#include "app/Pinning.h"

#include "app/DetachedWork.h"
#include "app/ForeignWindow.h"
#include "app/HotkeyFlags.h"

namespace {
// Set on another program's window while it is on top by this program's
// hand. It lives as long as the window, so a later start of the program
// knows it too.
const wchar_t kPinnedHereMark[] = L"ZorvanePinned";
// Posted by the system when F1 goes down, and turned into WM_HELP by the
// default procedure.
constexpr UINT kKeyF1Message = 0x004D;

bool IsTopmost(HWND window) { return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
}  // namespace

DWORD SetTopmost(HWND window, bool topmost) {
    UINT flags = SWP_NOMOVE | SWP_NOSIZE;
    const bool foreign = foreign_window::ProcessOf(window) != ::GetCurrentProcessId();
    if (foreign_window::OfOtherThread(window)) flags |= SWP_ASYNCWINDOWPOS;
    ::SetLastError(0);
    if (!::SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags)) {
        const DWORD error = ::GetLastError();
        return error != 0 ? error : static_cast<DWORD>(ERROR_GEN_FAILURE);
    }
    if (foreign) {
        if (topmost)
            ::SetPropW(window, kPinnedHereMark, reinterpret_cast<HANDLE>(1));
        else
            ::RemovePropW(window, kPinnedHereMark);
    }
    return 0;
}

TopmostToggle ToggleTopmost(HWND window) {
    if (window == nullptr) return {true, 0};
    const bool pinning = !IsTopmost(window);
    return {pinning, SetTopmost(window, pinning)};
}

namespace {

struct TopmostWatch {
    HWND window;  // borrowed: another program's window
    bool topmost;
    HWND notify;  // borrowed: the dialog
    UINT message;
};

DWORD WatchTopmost(const TopmostWatch& watch) {
    constexpr DWORD kLookEveryMs = 10;
    for (DWORD waited = 0; waited < foreign_window::kAnswerMs; waited += kLookEveryMs) {
        if (!::IsWindow(watch.window) || IsTopmost(watch.window) == watch.topmost) return 0;
        ::Sleep(kLookEveryMs);
    }
    ::PostMessageW(watch.notify, watch.message, watch.topmost, reinterpret_cast<LPARAM>(watch.window));
    return 0;
}

}  // namespace

void WatchTopmostChange(HWND window, bool topmost, HWND notify, UINT message) {
    // Nobody waits for the watch: its handle is closed at once.
    StartDetachedWork<TopmostWatch, WatchTopmost>({window, topmost, notify, message});
}

bool PinnedHere(HWND window) { return ::GetPropW(window, kPinnedHereMark) != nullptr; }

void ReleaseAllPinnedHere(PinRefusal refusal, void* context) {
    for (HWND window : foreign_window::TopLevelWindows()) {
        if (!PinnedHere(window)) continue;
        // Released by its own program since: only the mark is left.
        if ((::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) {
            ::RemovePropW(window, kPinnedHereMark);
            continue;
        }
        if (const DWORD error = SetTopmost(window, false)) refusal(context, window, false, error);
    }
}

BOOL RegisterPinHotkey(HWND owner, int id, UINT hotkeyFlags, UINT virtualKey) {
    return ::RegisterHotKey(owner, id, HotkeyFlagsToModifiers(hotkeyFlags), virtualKey);
}

BOOL UnregisterPinHotkey(HWND owner, int id) { return ::UnregisterHotKey(owner, id); }

DialogKeyAction ActionForDialogKey(UINT message, WPARAM key) {
    // The system's own message for the same F1 press goes with the key.
    if (message == kKeyF1Message) return DialogKeyAction::Discard;
    if (message != WM_KEYDOWN) return DialogKeyAction::Dispatch;
    switch (key) {
    case VK_ESCAPE:
        return DialogKeyAction::Minimize;
    case VK_RETURN:
    case VK_SPACE:
    case VK_F1:
        return DialogKeyAction::Discard;
    default:
        return DialogKeyAction::Dispatch;
    }
}
