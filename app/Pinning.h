// Keeping a window above all others, the global hotkey that toggles it, and
// the keys the main dialog keeps from its default handling.
#pragma once
#include <windows.h>

struct TopmostToggle {
    bool pinning;  // the change asked for: on top, or normal again
    DWORD error;   // 0 when Windows took the change
};

// Toggles the window between always on top and normal; nothing for null.
// Another thread's window gets the change posted: its program makes it
// once it answers, and this one never waits for that.
TopmostToggle ToggleTopmost(HWND window);

// hotkeyFlags in the hotkey control's encoding (see HotkeyFlags.h).
BOOL RegisterPinHotkey(HWND owner, int id, UINT hotkeyFlags, UINT virtualKey);
BOOL UnregisterPinHotkey(HWND owner, int id);

enum class DialogKeyAction {
    Dispatch,  // the dialog handles it as usual
    Minimize,  // Escape: the dialog goes to the taskbar instead of closing
    Discard,   // Enter, Space and F1 would press a button or open help
};
DialogKeyAction ActionForDialogKey(UINT message, WPARAM key);
