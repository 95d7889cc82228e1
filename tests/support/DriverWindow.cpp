#include "tests/support/DriverWindow.h"

#include "tests/support/MarkedWindows.h"

namespace testsupport {

namespace {

constexpr const wchar_t* kClassName = L"ZorvaneE2eDriverWindow";

bool RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    return registered;
}

}  // namespace

DriverWindow::DriverWindow(bool visible) {
    if (!RegisterOnce()) return;
    m_window = CreateWindowExW(0, kClassName, L"Zorvane e2e driver",
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | (visible ? WS_VISIBLE : 0), 600, 500, 240, 120,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

DriverWindow::~DriverWindow() {
    if (!m_window) return;
    if (m_marked) RemovePropA(m_window, InstanceMarker::kName);
    DestroyWindow(m_window);
}

bool DriverWindow::SetMarker(UINT_PTR value) {
    if (!m_window) return false;
    m_marked = SetPropA(m_window, InstanceMarker::kName, reinterpret_cast<HANDLE>(value)) != FALSE;
    return m_marked;
}

}  // namespace testsupport
