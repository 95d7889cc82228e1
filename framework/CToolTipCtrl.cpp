#include "framework/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl() {
    // The tool tip is a popup window this object created: it goes with it,
    // unless it died with its owner already. Being subclassed, the object
    // heard of that and holds no handle, so a recycled one is never touched.
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (m_hWnd != nullptr) return FALSE;
    HWND hwnd =
        ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    if (hwnd == nullptr) return FALSE;
    // Subclassed rather than attached, so that its death reaches the object.
    if (SubclassWindow(hwnd)) return TRUE;
    ::DestroyWindow(hwnd);
    return FALSE;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const wchar_t* text, const RECT* area, UINT_PTR id) {
    if (m_hWnd == nullptr || window == nullptr || window->m_hWnd == nullptr) return FALSE;
    if (id != 0 && area == nullptr) return FALSE;
    TTTOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    if (id == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = ::GetParent(window->m_hWnd);
        info.uId = reinterpret_cast<UINT_PTR>(window->m_hWnd);
    } else {
        info.hwnd = window->m_hWnd;
        info.uId = id;
        info.rect = *area;
    }
    info.hinst = AfxGetInstanceHandle();
    info.lpszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}
