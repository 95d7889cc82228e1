#include "tests/unit/button/HostWindow.h"

#include "tests/support/WaitUntil.h"

BEGIN_MESSAGE_MAP(HostWindow, CWnd)
    ON_BN_CLICKED(HostWindow::kButtonId, OnButtonClicked)
    ON_CONTROL(BN_DOUBLECLICKED, HostWindow::kButtonId, OnButtonDoubleClicked)
    ON_MESSAGE(HostWindow::kMenuNotify, OnMenuNotify)
END_MESSAGE_MAP()

namespace {
const wchar_t kHostClass[] = L"ZorvaneButtonTestHost";

bool RegisterHostClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kHostClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    return registered;
}
}  // namespace

HostWindow::~HostWindow() {
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

HWND HostWindow::Stage() {
    static HWND stage = [] {
        if (!RegisterHostClass()) return static_cast<HWND>(nullptr);
        HWND hwnd = ::CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"button tests", WS_POPUP | WS_VISIBLE, 100, 100, 400,
                                      300, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        testsupport::PumpMessages();
        return hwnd;
    }();
    return stage;
}

bool HostWindow::Create(DWORD buttonStyle, const wchar_t* text, SIZE buttonSize, bool withNextTabStop) {
    HWND stage = Stage();
    if (stage == nullptr) return false;
    HWND hwnd = ::CreateWindowExW(WS_EX_CONTROLPARENT, kHostClass, L"button host", WS_CHILD | WS_VISIBLE, 0, 0, 400,
                                  300, stage, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr) return false;
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    m_button = ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | buttonStyle, 10, 10,
                                 buttonSize.cx, buttonSize.cy, hwnd, reinterpret_cast<HMENU>(kButtonId),
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (m_button == nullptr) return false;
    ::SendMessageW(m_button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (withNextTabStop) {
        m_next =
            ::CreateWindowExW(0, L"BUTTON", L"next", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10, 150, 80,
                              30, hwnd, reinterpret_cast<HMENU>(kNextId), ::GetModuleHandleW(nullptr), nullptr);
        if (m_next == nullptr) return false;
    }
    ::UpdateWindow(hwnd);
    return true;
}

bool HostWindow::Activate() {
    HWND stage = Stage();
    ::SetForegroundWindow(stage);
    ::SetActiveWindow(stage);
    return testsupport::WaitUntil(
        [stage] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && info.hwndActive == stage;
        },
        5000);
}

bool HostWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Commands from a menu carry no control handle.
    if (lParam == 0 && HIWORD(wParam) == 0) menuCommands.push_back(LOWORD(wParam));
    return CWnd::OnCommand(wParam, lParam);
}

void HostWindow::OnButtonClicked() { ++clicks; }

void HostWindow::OnButtonDoubleClicked() { ++doubleClicks; }

LRESULT HostWindow::OnMenuNotify(WPARAM wParam, LPARAM lParam) {
    ++menuNotifies;
    menuNotifyWParam = wParam;
    menuNotifyLParam = lParam;
    return 0;
}
