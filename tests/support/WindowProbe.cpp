#include "tests/support/WindowProbe.h"

#include <commctrl.h>

#include <vector>

namespace testsupport {

namespace {
constexpr UINT kSendTimeoutMs = 5000;
}

bool WindowProbe::Exists() const { return m_window && IsWindow(m_window); }

std::wstring WindowProbe::Text() const {
    const auto length = Send(WM_GETTEXTLENGTH, 0, 0);
    if (!length) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) return {};
    return std::wstring(buffer.data());
}

std::wstring WindowProbe::ClassName() const {
    wchar_t name[256] = {};
    return GetClassNameW(m_window, name, 256) ? std::wstring(name) : std::wstring();
}

bool WindowProbe::Visible() const { return IsWindowVisible(m_window) != FALSE; }
bool WindowProbe::Enabled() const { return IsWindowEnabled(m_window) != FALSE; }
bool WindowProbe::Iconic() const { return IsIconic(m_window) != FALSE; }

bool WindowProbe::Topmost() const { return (GetWindowLongW(m_window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

DWORD WindowProbe::ProcessId() const {
    DWORD process = 0;
    GetWindowThreadProcessId(m_window, &process);
    return process;
}

DWORD WindowProbe::ThreadId() const { return GetWindowThreadProcessId(m_window, nullptr); }

namespace {
GUITHREADINFO ThreadState(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) {
        info = GUITHREADINFO{};
        info.cbSize = sizeof info;
    }
    return info;
}
}  // namespace

bool WindowProbe::ActiveInItsThread() const { return ThreadState(ThreadId()).hwndActive == m_window; }

HWND WindowProbe::FocusInItsThread() const { return ThreadState(ThreadId()).hwndFocus; }

HWND WindowProbe::CaptureInItsThread() const { return ThreadState(ThreadId()).hwndCapture; }

bool WindowProbe::Foreground() const { return GetForegroundWindow() == m_window; }

WindowProbe WindowProbe::Item(int id) const { return WindowProbe(GetDlgItem(m_window, id)); }

std::optional<LRESULT> WindowProbe::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(m_window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

std::optional<WORD> WindowProbe::HotkeyValue() const {
    const auto value = Send(HKM_GETHOTKEY, 0, 0);
    if (!value) return std::nullopt;
    return static_cast<WORD>(*value & 0xFFFF);
}

}  // namespace testsupport
