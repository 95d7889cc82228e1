#include "InputDriver.h"

#include "WaitUntil.h"
#include "WindowProbe.h"

#include <vector>

namespace e2e {

namespace {

bool Send(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

INPUT Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
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

}  // namespace

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

bool InputDriver::ClickAt(POINT point, DWORD timeoutMs) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return false;
    std::vector<INPUT> move{Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(point.x, width),
                                  Normalise(point.y, height))};
    if (!Send(move)) return false;
    const bool arrived = WaitUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
        },
        timeoutMs);
    if (!arrived) return false;
    std::vector<INPUT> click{Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)};
    return Send(click);
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

}  // namespace e2e
