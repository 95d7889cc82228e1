// A menu object. A menu attached to an object is owned by it and destroyed
// with it; handles without an object get a temporary, non-owning wrapper from
// FromHandle. Owner-drawn items reach the permanent object of their menu.
#pragma once
#include "framework/Afx.h"
#include "framework/CObject.h"

class CWnd;

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    static CMenu* FromHandle(HMENU menu);
    static CMenu* FromHandlePermanent(HMENU menu);
    // The object of the level (menu or sub-menu of it) that holds item id.
    static CMenu* FindPopupMenuFromID(HMENU menu, UINT id);
    // The popup menu being tracked by TrackPopupMenu, if any.
    static HMENU TrackingMenu();

    // Takes ownership of the handle.
    BOOL Attach(HMENU menu);
    // Gives up ownership; the caller now owns the handle.
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT id);
    virtual BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) {
        return ::AppendMenuA(m_hMenu, flags, id, text);
    }
    BOOL AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text) { return ::AppendMenuW(m_hMenu, flags, id, text); }
    UINT EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(m_hMenu, id, enable); }
    BOOL SetDefaultItem(UINT item, BOOL byPosition) { return ::SetMenuDefaultItem(m_hMenu, item, byPosition); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
    UINT GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }
    CMenu* GetSubMenu(int pos) const { return FromHandle(::GetSubMenu(m_hMenu, pos)); }

    // Tracks the menu at a screen point; while it runs, owner-draw
    // measurements of its items are routed to their menu objects.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}

private:
    bool m_temporary = false;
};
