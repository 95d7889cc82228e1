#include "framework/CMenu.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {
HandleMap<HMENU, CMenu>& MenuMap() {
    static HandleMap<HMENU, CMenu> map;
    return map;
}
HMENU g_trackingMenu = nullptr;
}  // namespace

CMenu::~CMenu() {
    if (!m_temporary) DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu) {
    return MenuMap().FromHandle(
        menu, [](const void* h) { return ::IsMenu(static_cast<HMENU>(const_cast<void*>(h))) != FALSE; },
        [](const void* h) -> std::unique_ptr<CObject> {
            auto wrapper = std::make_unique<CMenu>();
            wrapper->m_hMenu = static_cast<HMENU>(const_cast<void*>(h));
            wrapper->m_temporary = true;
            return wrapper;
        });
}

CMenu* CMenu::FromHandlePermanent(HMENU menu) { return MenuMap().FindPermanent(menu); }

HMENU CMenu::TrackingMenu() { return g_trackingMenu; }

CMenu* CMenu::FindPopupMenuFromID(HMENU menu, UINT id) {
    if (menu == nullptr || !::IsMenu(menu)) return nullptr;
    // Menus nest only a few levels deep; the depth bound guards against a
    // menu that contains itself.
    struct Search {
        static CMenu* In(HMENU m, UINT wanted, int depth) {
            if (depth > 16) return nullptr;
            int count = ::GetMenuItemCount(m);
            for (int i = 0; i < count; ++i) {
                HMENU sub = ::GetSubMenu(m, i);
                if (sub != nullptr) {
                    if (reinterpret_cast<UINT_PTR>(sub) == wanted) return FromHandlePermanent(m);
                    if (CMenu* found = In(sub, wanted, depth + 1)) return found;
                } else if (::GetMenuItemID(m, i) == wanted) {
                    return FromHandlePermanent(m);
                }
            }
            return nullptr;
        }
    };
    return Search::In(menu, id, 0);
}

BOOL CMenu::Attach(HMENU menu) {
    if (menu == nullptr || m_hMenu != nullptr) return FALSE;
    m_hMenu = menu;
    MenuMap().SetPermanent(menu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU h = m_hMenu;
    if (h != nullptr) MenuMap().RemovePermanent(h, this);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT id) { return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id))); }

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) return FALSE;
    HMENU h = Detach();
    return ::DestroyMenu(h);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    HMENU previous = g_trackingMenu;
    g_trackingMenu = m_hMenu;
    BOOL result = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
    g_trackingMenu = previous;
    return result;
}
