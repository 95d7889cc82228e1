#include "tests/e2e/HotkeyEditor.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <algorithm>

#include "tests/support/CodePage.h"
#include "tests/support/InputDriver.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

using namespace testsupport;

HWND HotkeyEditor::FocusOf(HWND dialog) { return WindowProbe(dialog).FocusInItsThread(); }

std::wstring HotkeyEditor::GroupText(HWND dialog) { return WindowProbe(dialog).Item(kHotkeyGroup).Text(); }

// Clicks Set (or Lock) and waits for the control's answer, saying which
// step failed.
bool HotkeyEditor::ClickSetLock(HWND dialog, const std::function<bool(HWND control)>& answered) {
    HWND control = GetDlgItem(dialog, kHotkeyCtrl);
    if (!InputDriver::ClickItem(dialog, kSetLockButton, kActionTimeoutMs)) {
        ADD_FAILURE() << "the dialog did not come to the front, or the pointer did not reach the button";
        return false;
    }
    if (WaitUntil([&] { return answered(control); }, kActionTimeoutMs)) return true;
    HWND focus = FocusOf(dialog);
    ADD_FAILURE() << "after the click the control is " << (IsWindowEnabled(control) ? "enabled" : "disabled")
                  << "; the focus is on " << (focus == control ? "it" : "a " + ToAnsi(WindowProbe(focus).ClassName()));
    return false;
}

bool HotkeyEditor::Unlock(HWND dialog) {
    return ClickSetLock(dialog, [&](HWND control) { return IsWindowEnabled(control) && FocusOf(dialog) == control; });
}

bool HotkeyEditor::Lock(HWND dialog) {
    return ClickSetLock(dialog, [](HWND control) { return !IsWindowEnabled(control); });
}

// Each key that goes up in the unlocked control makes the dialog apply the
// control's value: it registers the hotkey and rewrites the group box's
// caption. Probing the hotkey means registering it for a moment, and a probe
// that lands while the dialog registers makes the dialog's registration
// fail. So the caption is set to a mark before each release and waited on
// after it: once it is rewritten, no registration of the dialog is pending.
bool HotkeyEditor::ReleaseAndWaitForApply(HWND dialog, WORD key) {
    static const wchar_t kMark[] = L"(applying)";
    HWND group = GetDlgItem(dialog, kHotkeyGroup);
    if (!SendMessageW(group, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kMark))) return false;
    if (!InputDriver::ReleaseKey(key)) return false;
    const bool applied = WaitUntil([&] { return GroupText(dialog) != kMark; }, kActionTimeoutMs);
    if (!applied) ADD_FAILURE() << "the dialog did not apply the value at the release of key " << key;
    return applied;
}

bool HotkeyEditor::Type(HWND dialog, std::initializer_list<WORD> keys, WORD expectedValue) {
    if (!InputDriver::WaitUntilActive(dialog, kActionTimeoutMs)) return false;
    for (WORD key : keys) {
        if (!InputDriver::PressKey(key)) return false;
    }
    WindowProbe control = WindowProbe(dialog).Item(kHotkeyCtrl);
    const bool shown =
        WaitUntil([&] { return control.HotkeyValue() == std::optional<WORD>(expectedValue); }, kActionTimeoutMs);
    if (!shown) ADD_FAILURE() << "the control shows " << std::hex << control.HotkeyValue().value_or(0xFFFF);
    // Released in reverse. A key let go while Alt is held goes up as a
    // system key, which the dialog does not apply; Alt's own release does.
    bool released = true;
    for (auto it = keys.end(); it != keys.begin();) {
        const WORD key = *--it;
        const bool altStillHeld = std::find(keys.begin(), it, static_cast<WORD>(VK_MENU)) != it;
        released = (altStillHeld ? InputDriver::ReleaseKey(key) : ReleaseAndWaitForApply(dialog, key)) && released;
    }
    return shown && released;
}

bool HotkeyEditor::Enter(HWND dialog, WORD value) {
    WindowProbe control = WindowProbe(dialog).Item(kHotkeyCtrl);
    if (!control.Send(HKM_SETHOTKEY, value, 0)) return false;
    return InputDriver::WaitUntilActive(dialog, kActionTimeoutMs) && ReleaseAndWaitForApply(dialog, VK_F24);
}
