#include "bench/ProbeWindow.h"

namespace {
const wchar_t kClassName[] = L"ZvBenchProbe";
}

ProbeWindow::~ProbeWindow() {
    if (m_hwnd != nullptr) ::DestroyWindow(m_hwnd);
}

LRESULT CALLBACK ProbeWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool ProbeWindow::Create() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassW(&windowClass);  // fails harmlessly when registered already
    m_hwnd = ::CreateWindowExW(0, kClassName, L"zvbench probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, 320, 200,
                               nullptr, nullptr, windowClass.hInstance, nullptr);
    return m_hwnd != nullptr;
}

bool ProbeWindow::IsTopmost() const { return (::GetWindowLongW(m_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool ProbeWindow::IsActive() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && info.hwndActive == m_hwnd &&
           ::GetForegroundWindow() == m_hwnd;
}

bool ProbeWindow::Activate(DWORD limitMs) {
    ::ShowWindow(m_hwnd, SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hwnd);
    return PumpUntil([this] { return IsActive(); }, limitMs);
}

void ProbeWindow::Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void ProbeWindow::PumpFor(DWORD ms) {
    const LONGLONG start = ClockNow();
    for (;;) {
        Pump();
        double left = ms - ClockMs(ClockNow() - start);
        if (left <= 0) return;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left) + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
