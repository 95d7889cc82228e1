#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

// Read-only view of a window, usually one of another process. Every query
// that needs the owner's co-operation is sent with a time limit, so a hung
// program fails a test instead of hanging the driver.
class WindowProbe {
public:
    explicit WindowProbe(HWND window) : m_window(window) {}  // borrowed: owned by its process

    HWND Handle() const { return m_window; }
    bool Exists() const;
    std::wstring Text() const;
    std::wstring ClassName() const;
    bool Visible() const;
    bool Enabled() const;
    bool Topmost() const;
    bool Iconic() const;
    DWORD ProcessId() const;
    DWORD ThreadId() const;

    // The active window of the owning thread is this one.
    bool ActiveInItsThread() const;
    // The windows of the owning thread that have the keyboard focus and the
    // mouse capture; null for none.
    HWND FocusInItsThread() const;
    HWND CaptureInItsThread() const;
    bool Foreground() const;

    WindowProbe Item(int id) const;
    std::optional<LRESULT> Send(UINT message, WPARAM wParam, LPARAM lParam) const;

    // Value of a hotkey control: virtual key in the low byte, flags above.
    std::optional<WORD> HotkeyValue() const;

private:
    HWND m_window;
};

}  // namespace testsupport
