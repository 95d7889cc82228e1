#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>

namespace testsupport {

enum class MouseButton { Left, Right };

// Real keyboard and mouse input through SendInput, as a person gives it.
// Foreground changes settle asynchronously under Wine, and input sent before
// they have is lost; so every action first waits until the target window is
// the active window of its thread.
class InputDriver {
public:
    // Makes the window the foreground window and waits until its thread
    // reports it active.
    static bool BringToForeground(HWND window, DWORD timeoutMs);
    static bool WaitUntilActive(HWND window, DWORD timeoutMs);

    // Presses the keys in order and releases them in reverse: a chord such
    // as {VK_MENU, VK_F4}.
    static bool PressChord(std::initializer_list<WORD> keys);
    // Only the press of a key, held until ReleaseKey.
    static bool PressKey(WORD key);
    // Only the release of a key, as when a key held before the window had
    // the focus is let go.
    static bool ReleaseKey(WORD key);

    // Moves the pointer there and waits until it has arrived.
    static bool MovePointer(POINT screenPoint, DWORD timeoutMs);
    // Moves the pointer to the screen's bottom-right corner, where the
    // suites open no window.
    static bool ParkPointer(DWORD timeoutMs);

    // Presses the button at from, waits until captureHolder has taken the
    // mouse capture, moves to to and releases there. The button is released
    // even when the capture never came.
    static bool Drag(POINT from, POINT to, HWND captureHolder, DWORD timeoutMs, MouseButton button = MouseButton::Left);

    // Only the press of a button, or only its release, at a screen point.
    static bool PressButtonAt(POINT screenPoint, MouseButton button);
    static bool ReleaseButtonAt(POINT screenPoint, MouseButton button);

    // Moves the pointer there, waits until it has arrived, then clicks the
    // left button.
    static bool ClickAt(POINT screenPoint, DWORD timeoutMs);

    // Activates the window, then clicks the centre of its child control.
    static bool ClickItem(HWND dialog, int id, DWORD timeoutMs);

    // Activates the window, then clicks the middle of the non-client part
    // that answers WM_NCHITTEST with hitCode (HTCLOSE, HTMINBUTTON, ...).
    static bool ClickNonClient(HWND window, int hitCode, DWORD timeoutMs);

    // Middle of the area of the window's frame that hit-tests as hitCode.
    static std::optional<POINT> FindNonClientPoint(HWND window, int hitCode);
};

}  // namespace testsupport
