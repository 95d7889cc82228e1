// Editing the main dialog's hotkey the way a person does: unlock with the
// Set button, type into the control, read the status in the group box.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include "res/resource.h"

class HotkeyEditor {
public:
    static constexpr int kHotkeyCtrl = IDC_HOTKEY;
    static constexpr int kSetLockButton = IDC_SET_LOCK;
    static constexpr int kHotkeyGroup = IDC_HOTKEY_GROUP;

    // Unlocks the control with a real click on Set and waits until the
    // control has the focus.
    static bool Unlock(HWND dialog);
    // Locks it again with a click and waits until the control is disabled.
    static bool Lock(HWND dialog);

    // Types a chord into the focused control, waits until the control shows
    // expectedValue (virtual key in the low byte, flags above), and releases
    // the keys one by one, each once the dialog has applied the last. Keys
    // pressed before must have been processed: the control showing a value
    // of theirs tells.
    static bool Type(HWND dialog, std::initializer_list<WORD> keys, WORD expectedValue);

    // Puts a value into the focused control as if it had been typed, then
    // lets a key go in it, which is what makes the dialog take the value.
    // For values that cannot be typed here: a combination another program
    // holds never reaches the control, and this platform's control never
    // reports the extended-key flag.
    static bool Enter(HWND dialog, WORD value);

    static std::wstring GroupText(HWND dialog);
    // Releases key and waits until the dialog has applied the control's value.
    static bool ReleaseAndWaitForApply(HWND dialog, WORD key);
    static HWND FocusOf(HWND dialog);

private:
    static bool ClickSetLock(HWND dialog, const std::function<bool(HWND control)>& answered);
};
