#include "HotkeyEditor.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "InputDriver.h"
#include "WaitUntil.h"
#include "WindowProbe.h"

using namespace e2e;

HWND HotkeyEditor::FocusOf(HWND dialog) { return WindowProbe(dialog).FocusInItsThread(); }

std::wstring HotkeyEditor::GroupText(HWND dialog) { return WindowProbe(dialog).Item(kHotkeyGroup).Text(); }

bool HotkeyEditor::Unlock(HWND dialog) {
    HWND control = GetDlgItem(dialog, kHotkeyCtrl);
    if (!InputDriver::ClickItem(dialog, kSetLockButton, kActionTimeoutMs)) return false;
    return WaitUntil([&] { return IsWindowEnabled(control) && FocusOf(dialog) == control; }, kActionTimeoutMs);
}

bool HotkeyEditor::Lock(HWND dialog) {
    HWND control = GetDlgItem(dialog, kHotkeyCtrl);
    if (!InputDriver::ClickItem(dialog, kSetLockButton, kActionTimeoutMs)) return false;
    return WaitUntil([&] { return !IsWindowEnabled(control); }, kActionTimeoutMs);
}

bool HotkeyEditor::Type(HWND dialog, std::initializer_list<WORD> keys, WORD expectedValue) {
    if (!InputDriver::WaitUntilActive(dialog, kActionTimeoutMs) || !InputDriver::PressChord(keys)) return false;
    WindowProbe control = WindowProbe(dialog).Item(kHotkeyCtrl);
    const bool shown =
        WaitUntil([&] { return control.HotkeyValue() == std::optional<WORD>(expectedValue); }, kActionTimeoutMs);
    if (!shown) ADD_FAILURE() << "the control shows " << std::hex << control.HotkeyValue().value_or(0xFFFF);
    return shown;
}

bool HotkeyEditor::Enter(HWND dialog, WORD value) {
    WindowProbe control = WindowProbe(dialog).Item(kHotkeyCtrl);
    if (!control.Send(HKM_SETHOTKEY, value, 0)) return false;
    return InputDriver::WaitUntilActive(dialog, kActionTimeoutMs) && InputDriver::ReleaseKey(VK_F24);
}
