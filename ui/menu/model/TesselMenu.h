// An owner-drawn menu: keeps a record per position (caption in UTF-16,
// flags, command id, picture), builds menu trees from menu resources,
// measures and draws its items with pictures in a classic or an XP-like
// look, and answers menu-character lookups.
//
// Every popup level is a TesselMenu of its own, owned by the level that
// holds it: AppendPopup hands the object over, and DestroyMenu deletes the
// sub-menu objects with the tree.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Afx.h"
#include "framework/CBitmap.h"
#include "framework/CImageList.h"
#include "framework/CMenu.h"
#include "framework/CString.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/model/OsVersion.h"
#include "ui/menu/model/TesselMenuItem.h"
#include "ui/menu/pictures/MenuPictures.h"

class TesselMenu : public CMenu {
    DECLARE_DYNAMIC(TesselMenu)
public:
    TesselMenu();
    ~TesselMenu() override;
    TesselMenu(const TesselMenu&) = delete;
    TesselMenu& operator=(const TesselMenu&) = delete;

    // One record per position of this level, in position order.
    std::vector<std::unique_ptr<TesselMenuItem>> m_items;
    // The handles of the popups appended to this level, as they were then.
    std::vector<HMENU> m_subMenus;
    int m_iconWidth = 16;
    int m_iconHeight = 15;
    COLORREF m_maskColor = RGB(192, 192, 192);
    BOOL m_useMaskColor = 0;
    BOOL m_embossedDisabledIcons = 0;
    // Check-mark pictures, 0 unselected and 1 selected; shared with the
    // sub-menus LoadMenu creates. Each level lets go of them when it is
    // destroyed; the pictures go with the last.
    std::shared_ptr<CImageList> m_checkImages;
    int m_selectedCheckBitmapId = -1;
    int m_checkBitmapId = -1;
    BOOL m_imageIsIcon = 0;
    BOOL m_loaded = 0;

    // Process-wide settings and state, shared by all menus without locks
    // (user-interface thread only).
    static int s_defaultDrawStyle;
    static int s_themedDrawStyle;
    static int s_selectDisabledClassic;
    static int s_selectDisabledXP;
    static int s_xpIconEffects;
    static CImageList s_sharedImages;
    static std::vector<std::int32_t> s_sharedImageIds;
    static tessel::OsVersionCode s_osVersion;
    static std::vector<HMENU> s_subMenuRegistry;
    static int s_classicThemeChecked;
    static int s_classicTheme;

    // Chooses the look for the item and draws it.
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;
    // Low 16 bits of id as an integer resource name.
    virtual BOOL LoadMenu(UINT id);
    // Builds the tree of a menu resource (RT_MENU); FALSE, and the menu as
    // it was, when the resource is missing or malformed.
    virtual BOOL LoadMenu(const char* name);
    // Deletes the records, the sub-menu objects and the HMENU.
    BOOL DestroyMenu() override;

    // Appends an owner-drawn command; id 0 makes a separator. With a toolbar
    // resource id (>= 0) the command's picture is taken from that toolbar.
    // FALSE for a popup, which comes with its object through AppendPopup.
    BOOL AppendItem(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId = -1);
    // Appends popup, which this level owns from now on; FALSE, and the popup
    // deleted, when it holds no menu.
    BOOL AppendPopup(const wchar_t* text, UINT flags, std::unique_ptr<TesselMenu> popup);
    // A record for a position, made owner-drawn there; not yet in m_items.
    std::unique_ptr<TesselMenuItem> MakeItemForPosition(UINT position, UINT flags, UINT_PTR id, const char* caption);
    // The popup at a position: its TesselMenu where one is attached, else a
    // temporary framework object; null when the position holds no popup.
    CMenu* SubMenuAt(int position) const;
    // The level (depth first) that holds command id, and its position there.
    CMenu* FindMenuOfCommand(UINT id, int& position) const;
    // By position (MF_BYPOSITION) or by command id anywhere in the tree.
    BOOL GetItemCaption(UINT item, CString& caption, UINT flags) const;

    // Matches the records to the positions again after other code changed
    // the menu: each position keeps the record of its id or gets a new one.
    void SynchronizeItems();

    // Pads the text before each TAB so that the accelerator texts line up.
    void AlignAcceleratorColumn();
    // Positions the system put in front of a loaded menu bar's own.
    int CountForeignLeadingItems() const;
    // Makes the popup positions plain strings again, with their captions.
    void RefreshPopupCaptions();

    // WM_MENUCHAR for a popup of this class: MNC_EXECUTE with the position
    // of the first caption with "&" and the character, else 0.
    static LRESULT HandleMenuChar(UINT character, UINT flags, TesselMenu* menu);
    static BOOL IsRegisteredSubMenu(const CMenu* menu);
    static BOOL IsRegisteredSubMenuHandle(HMENU menu);

    // Pictures.
    static int FindSharedImage(int id);
    static BOOL HasEffectImages(int index);
    int AddSharedImage(HIMAGELIST list, int index, int id);
    BOOL AddImageToList(HIMAGELIST list, UINT_PTR picture);
    static BOOL LoadToolbarImageIndex(UINT id, UINT toolbarId, int& index);
    BOOL RenderIconToBitmap(HDC dc, HIMAGELIST list, int index, CBitmap& bitmap) const;

    // Check-mark pictures of this menu: index 0 unselected, 1 selected; an
    // id above 0 makes the drawing use them.
    void SetCheckImages(std::shared_ptr<CImageList> images, int checkBitmapId, int selectedCheckBitmapId);

    // What the drawing routines read, from this menu and the process state.
    tessel::ItemDrawSettings DrawSettings() const;
    tessel::PictureOptions PictureSettings() const;

private:
    // The record of one position after a change behind this object's back:
    // record, the one matched to it (null when none was), refreshed, or a
    // new one.
    std::unique_ptr<TesselMenuItem> SyncPosition(UINT position, UINT state, UINT_PTR id,
                                                 std::unique_ptr<TesselMenuItem> record);

    // Appends the record of a command, separator or popup and its position.
    BOOL AppendRecord(const wchar_t* text, UINT flags, UINT_PTR id, int toolbarId);

    // The objects of m_subMenus' popups, in the same order. Owned here rather
    // than found again by handle when the tree is destroyed, so that a
    // sub-menu emptied on its own (its handle gone) is still deleted with
    // its parent.
    std::vector<std::unique_ptr<TesselMenu>> m_ownedSubMenus;
};
