#include "app/Pinning.h"

#include "app/ForeignWindow.h"
#include "app/HotkeyFlags.h"

namespace {
// Posted by the system when F1 goes down, and turned into WM_HELP by the
// default procedure.
constexpr UINT kKeyF1Message = 0x004D;
}  // namespace

TopmostToggle ToggleTopmost(HWND window) {
    if (window == nullptr) return {true, 0};
    const bool topmost = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE;
    if (foreign_window::OfOtherThread(window)) flags |= SWP_ASYNCWINDOWPOS;
    ::SetLastError(0);
    if (::SetWindowPos(window, topmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0, flags)) return {!topmost, 0};
    const DWORD error = ::GetLastError();
    return {!topmost, error != 0 ? error : static_cast<DWORD>(ERROR_GEN_FAILURE)};
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
