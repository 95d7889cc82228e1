// Keeping a window above all others, the global hotkey that toggles it, and
// the keys the main dialog keeps from its default handling.
#pragma once
#include <windows.h>

// Toggles the window between always on top and normal; nothing for null.
void ToggleTopmost(HWND window);

// hotkeyFlags in the hotkey control's encoding (see HotkeyFlags.h).
BOOL RegisterPinHotkey(HWND owner, int id, UINT hotkeyFlags, UINT virtualKey);
BOOL UnregisterPinHotkey(HWND owner, int id);

enum class DialogKeyAction {
    Dispatch,  // the dialog handles it as usual
    Minimize,  // Escape: the dialog goes to the taskbar instead of closing
    Discard,   // Enter, Space and F1 would press a button or open help
};
DialogKeyAction ActionForDialogKey(UINT message, WPARAM key);
