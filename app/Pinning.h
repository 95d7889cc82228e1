// Keeping a window above all others, the global hotkey that toggles it, and
// the keys the main dialog keeps from its default handling.
#pragma once
#include <windows.h>

struct TopmostToggle {
    bool pinning;  // the change asked for: on top, or normal again
    DWORD error;   // 0 when Windows took the change
};

// Puts the window on top or back among the others: 0, or the error
// Windows refused the change with. Another thread's window gets the change
// posted: its program makes it once it answers, and this one never waits
// for that. Another program's window is marked while this program keeps it
// on top, and only then.
DWORD SetTopmost(HWND window, bool topmost);
// Watches, on a thread of its own, whether a change posted to another
// thread's window lands within foreign_window::kAnswerMs; when it has not,
// posts message(topmost, window) to notify. The window's program is not
// asked anything: it is left to take the change in its own time.
void WatchTopmostChange(HWND window, bool topmost, HWND notify, UINT message);
// Toggles the window between always on top and normal; nothing for null.
TopmostToggle ToggleTopmost(HWND window);
// The window is on top by this program's hand, of this start or an earlier.
bool PinnedHere(HWND window);

// Told of a change Windows refused: the window, whether it was to go on
// top, and the error.
using PinRefusal = void (*)(void* context, HWND window, bool pinning, DWORD error);
// Releases every window on top by this program's hand, of any start, and
// leaves those their own program keeps on top.
void ReleaseAllPinnedHere(PinRefusal refusal, void* context);

// hotkeyFlags in the hotkey control's encoding (see HotkeyFlags.h).
BOOL RegisterPinHotkey(HWND owner, int id, UINT hotkeyFlags, UINT virtualKey);
BOOL UnregisterPinHotkey(HWND owner, int id);

enum class DialogKeyAction {
    Dispatch,  // the dialog handles it as usual
    Minimize,  // Escape: the dialog goes to the taskbar instead of closing
    Discard,   // Enter, Space and F1 would press a button or open help
};
DialogKeyAction ActionForDialogKey(UINT message, WPARAM key);
