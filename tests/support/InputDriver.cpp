#include "tests/support/InputDriver.h"

#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

#include <vector>

namespace testsupport {

namespace {

bool Send(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// Keys of the navigation block and the right-hand modifiers are extended
// keys: a keyboard sends them with the E0 prefix.
bool IsExtendedKey(WORD vk) {
    switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
        return true;
    default:
        return false;
    }
}

INPUT Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse coordinates span 0..65535 over the primary screen. Wine
// maps them back rounding down, so round up here to land on the pixel.
LONG Normalise(LONG value, int extent) {
    return static_cast<LONG>((static_cast<long long>(value) * 65536 + extent - 1) / extent);
}

// A mouse event at a screen point, sent as absolute coordinates.
bool SendMouseAt(POINT point, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return false;
    std::vector<INPUT> inputs{
        Mouse(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(point.x, width), Normalise(point.y, height))};
    return Send(inputs);
}

// A person's separate presses are never within the double-click time of
// each other; presses sent faster would arrive as a double click.
DWORD g_lastPressTick = 0;
bool g_pressedBefore = false;

DWORD ButtonFlag(MouseButton button, bool up) {
    if (button == MouseButton::Right) return up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
    return up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
}

}  // namespace

// Presses and releases carry their own position. One that took the
// pointer's position when it is processed could land where the pointer was
// before: the program under test reports the X server's crossing events to
// Wine, and reports read late move the pointer back to where they were made.
bool InputDriver::PressButtonAt(POINT point, MouseButton button) {
    if (g_pressedBefore) {
        const DWORD gap = GetDoubleClickTime() + 50;
        WaitUntil([&] { return GetTickCount() - g_lastPressTick > gap; }, gap + 1000);
    }
    g_lastPressTick = GetTickCount();
    g_pressedBefore = true;
    return SendMouseAt(point, ButtonFlag(button, false));
}

bool InputDriver::ReleaseButtonAt(POINT point, MouseButton button) {
    return SendMouseAt(point, ButtonFlag(button, true));
}

bool InputDriver::WaitUntilActive(HWND window, DWORD timeoutMs) {
    const WindowProbe probe(window);
    return WaitUntil([&] { return probe.ActiveInItsThread() && probe.Foreground(); }, timeoutMs);
}

bool InputDriver::BringToForeground(HWND window, DWORD timeoutMs) {
    const WindowProbe probe(window);
    if (probe.ActiveInItsThread() && probe.Foreground()) return true;
    SetForegroundWindow(window);
    // A request made while another change is still settling can be dropped;
    // asking again is harmless.
    constexpr DWORD kRequestIntervalMs = 500;
    DWORD lastRequest = GetTickCount();
    return WaitUntil(
        [&] {
            if (probe.ActiveInItsThread() && probe.Foreground()) return true;
            if (GetTickCount() - lastRequest >= kRequestIntervalMs) {
                SetForegroundWindow(window);
                lastRequest = GetTickCount();
            }
            return false;
        },
        timeoutMs);
}

bool InputDriver::PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(Key(key, false));
    for (auto it = keys.end(); it != keys.begin();) inputs.push_back(Key(*--it, true));
    return Send(inputs);
}

bool InputDriver::PressKey(WORD key) {
    std::vector<INPUT> inputs{Key(key, false)};
    return Send(inputs);
}

bool InputDriver::ReleaseKey(WORD key) {
    std::vector<INPUT> inputs{Key(key, true)};
    return Send(inputs);
}

bool InputDriver::MovePointer(POINT point, DWORD timeoutMs) {
    if (!SendMouseAt(point, 0)) return false;
    return WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
        },
        timeoutMs);
}

bool InputDriver::ParkPointer(DWORD timeoutMs) {
    return MovePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}, timeoutMs);
}

bool InputDriver::ClickAt(POINT point, DWORD timeoutMs) {
    if (!MovePointer(point, timeoutMs)) return false;
    return PressButtonAt(point, MouseButton::Left) && ReleaseButtonAt(point, MouseButton::Left);
}

bool InputDriver::Drag(POINT from, POINT to, HWND captureHolder, DWORD timeoutMs, MouseButton button) {
    if (!MovePointer(from, timeoutMs) || !PressButtonAt(from, button)) return false;
    // The release goes to whichever window holds the capture when it is
    // queued, so the press must have been handled before the pointer moves.
    const WindowProbe holder(captureHolder);
    const bool captured = WaitUntil([&] { return holder.CaptureInItsThread() == captureHolder; }, timeoutMs);
    const bool moved = captured && MovePointer(to, timeoutMs);
    return ReleaseButtonAt(moved ? to : from, button) && moved;
}

bool InputDriver::ClickItem(HWND dialog, int id, DWORD timeoutMs) {
    HWND item = GetDlgItem(dialog, id);
    RECT rect{};
    if (!item || !GetWindowRect(item, &rect)) return false;
    if (!BringToForeground(dialog, timeoutMs)) return false;
    return ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, timeoutMs);
}

std::optional<POINT> InputDriver::FindNonClientPoint(HWND window, int hitCode) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return std::nullopt;
    const WindowProbe probe(window);
    long sumX = 0, sumY = 0, count = 0;
    // The caption buttons lie in the top band of the frame; a coarse scan of
    // it is enough to find each one's area.
    const LONG bottom = rect.top + 48 < rect.bottom ? rect.top + 48 : rect.bottom;
    for (LONG y = rect.top; y < bottom; y += 2) {
        for (LONG x = rect.left; x < rect.right; x += 2) {
            const auto hit = probe.Send(WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (!hit) return std::nullopt;
            if (*hit == hitCode) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0) return std::nullopt;
    return POINT{sumX / count, sumY / count};
}

bool InputDriver::ClickNonClient(HWND window, int hitCode, DWORD timeoutMs) {
    const auto point = FindNonClientPoint(window, hitCode);
    if (!point) return false;
    if (!BringToForeground(window, timeoutMs)) return false;
    return ClickAt(*point, timeoutMs);
}

}  // namespace testsupport
