#include "framework/CWnd.h"

#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

HandleMap<HWND, CWnd>& WindowMap() {
    static HandleMap<HWND, CWnd> map;
    return map;
}

// The message being dispatched, for Default(). Saved and restored around each
// dispatch because handlers send messages that re-enter the procedure.
struct CurrentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage g_current = {nullptr, 0, 0, 0};

// The seven WM_CTLCOLOR* messages are consecutive.
bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr && !m_temporary) {
        // An object going away while its window lives must not leave the
        // window calling into freed memory.
        if (m_pfnSuper != nullptr)
            UnsubclassWindow();
        else
            Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return WindowMap().FromHandle(
        hwnd, [](const void* h) { return ::IsWindow(static_cast<HWND>(const_cast<void*>(h))) != FALSE; },
        [](const void* h) -> std::unique_ptr<CObject> {
            auto wrapper = std::make_unique<CWnd>();
            wrapper->m_hWnd = static_cast<HWND>(const_cast<void*>(h));
            wrapper->m_temporary = true;
            return wrapper;
        });
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return WindowMap().FindPermanent(hwnd); }

bool CWnd::Attach(HWND hwnd) {
    if (hwnd == nullptr || m_hWnd != nullptr) return false;
    m_hWnd = hwnd;
    WindowMap().SetPermanent(hwnd, this);
    return true;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h != nullptr) WindowMap().RemovePermanent(h, this);
    m_hWnd = nullptr;
    return h;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) return false;
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    if (old == nullptr) {
        Detach();
        return false;
    }
    if (old != &CWnd::AfxWndProc) m_pfnSuper = old;
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr) return nullptr;
    if (m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &CWnd::AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    if (flags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    CurrentMessage saved = g_current;
    g_current = {hwnd, message, wParam, lParam};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    g_current = saved;

    if (message == WM_NCDESTROY) {
        // The handle is gone: unbind so the object can be reused or destroyed.
        wnd->UnsubclassWindow();
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam); }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            *result = 0;
            return true;
        }
        return false;
    case WM_DRAWITEM:
        if (FindEntry(message, 0, 0, EntryKind::Message) == nullptr) {
            if (OnDrawItemDefault(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))) {
                *result = TRUE;
                return true;
            }
            return false;
        }
        break;
    case WM_MEASUREITEM:
        if (FindEntry(message, 0, 0, EntryKind::Message) == nullptr) {
            if (OnMeasureItemDefault(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))) {
                *result = TRUE;
                return true;
            }
            return false;
        }
        break;
    default:
        if (IsCtlColorMessage(message)) {
            CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            if (child != nullptr && child != this && child->OnChildNotify(message, wParam, lParam, result)) return true;
        }
        break;
    }
    const MessageMapEntry* e = FindEntry(message, 0, 0, EntryKind::Message);
    if (e == nullptr) e = FindRegisteredEntry(message);
    if (e != nullptr) {
        *result = e->thunk(this, wParam, lParam);
        return true;
    }
    return false;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control != nullptr) {
        // Controls see their own notifications first.
        CWnd* child = FromHandlePermanent(control);
        LRESULT ignored = 0;
        if (child != nullptr && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored)) return true;
    } else if (code == 1) {
        code = 0;  // accelerators route like menu commands
    }
    if (OnCmdMsg(id, code)) return true;
    // Commands nobody in the window handled reach the application object.
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

bool CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_COMMAND: {
        const MessageMapEntry* e = FindReflectEntry(WM_COMMAND, HIWORD(wParam));
        if (e == nullptr) return false;
        LRESULT r = e->thunk(this, 0, 0);
        // A plain reflected handler consumes the notification; an _EX one
        // decides by its result.
        return e->kind == EntryKind::ReflectCommand || r != 0;
    }
    default:
        if (IsCtlColorMessage(message)) {
            const MessageMapEntry* e = FindReflectEntry(WM_CTLCOLORBTN, 0);
            if (e == nullptr) return false;
            LRESULT brush = e->thunk(this, wParam, static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX));
            if (brush == 0) return false;  // no brush: the parent colours it
            *result = brush;
            return true;
        }
        if (const MessageMapEntry* e = FindReflectEntry(WM_REFLECT_BASE + message, 0)) {
            *result = e->thunk(this, wParam, lParam);
            return true;
        }
        return false;
    }
}

bool CWnd::OnDrawItemDefault(LPDRAWITEMSTRUCT dis) {
    if (dis == nullptr) return false;
    if (dis->CtlType == ODT_MENU) {
        CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(dis->hwndItem));
        if (menu == nullptr) return false;
        menu->DrawItem(dis);
        return true;
    }
    CWnd* child = FromHandlePermanent(dis->hwndItem);
    LRESULT ignored = 0;
    return child != nullptr && child != this &&
           child->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(dis), &ignored);
}

bool CWnd::OnMeasureItemDefault(LPMEASUREITEMSTRUCT mis) {
    if (mis == nullptr) return false;
    if (mis->CtlType == ODT_MENU) {
        // The item belongs to the menu being tracked, or to one of its levels.
        CMenu* menu = CMenu::FindPopupMenuFromID(CMenu::TrackingMenu(), mis->itemID);
        if (menu == nullptr) return false;
        menu->MeasureItem(mis);
        return true;
    }
    CWnd* child = FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(mis->CtlID)));
    LRESULT ignored = 0;
    return child != nullptr && child->OnChildNotify(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(mis), &ignored);
}
