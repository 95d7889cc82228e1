// Building, searching, resynchronising and destroying menus: trees loaded
// from menu resources, items appended by hand, and menus changed behind the
// object's back with the system's own menu functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "tests/unit/menu/MenuTestSupport.h"
#include "ui/menu/measure/ItemMeasuring.h"
#include "ui/menu/model/TesselMenu.h"

namespace {

bool Registered(HMENU h) { return TesselMenu::IsRegisteredSubMenuHandle(h) != FALSE; }

UINT StateAt(HMENU menu, int p) { return GetMenuState(menu, static_cast<UINT>(p), MF_BYPOSITION); }

// GetMenuState gives a popup's item count in its high byte; the type
// itself says whether a position is owner-drawn.
bool OwnerDrawnAt(HMENU menu, int p) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(p), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
}

ULONG_PTR DataAt(HMENU menu, int p) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(menu, static_cast<UINT>(p), TRUE, &info);
    return info.dwItemData;
}

std::string StringAt(HMENU menu, int p) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(p), text, sizeof(text), MF_BYPOSITION);
    return text;
}

std::string Caption(const TesselMenuItem& item) { return std::string(item.GetTextNarrow()); }

TesselMenu* AsTessel(CMenu* menu) {
    return menu != nullptr && menu->IsKindOf(RUNTIME_CLASS(TesselMenu)) ? static_cast<TesselMenu*>(menu) : nullptr;
}

// Tells when a sub-menu object is deleted by its parent.
class WatchedMenu : public TesselMenu {
public:
    explicit WatchedMenu(bool* deleted) : deleted_(deleted) {}
    ~WatchedMenu() override { *deleted_ = true; }

private:
    bool* deleted_;
};

TEST(MenuLoading, MenuBarOfTwoPopups) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300u));
    EXPECT_EQ(bar.m_loaded, 1);
    ASSERT_EQ(GetMenuItemCount(bar.m_hMenu), 2);
    ASSERT_EQ(bar.m_items.size(), 2u);
    ASSERT_EQ(bar.m_subMenus.size(), 2u);

    // The bar itself: plain strings drawn by the system.
    for (int p = 0; p < 2; ++p) {
        EXPECT_FALSE(OwnerDrawnAt(bar.m_hMenu, p)) << p;
        EXPECT_EQ(bar.m_items[static_cast<std::size_t>(p)]->flags, static_cast<UINT>(MF_BYPOSITION | MF_POPUP));
    }
    EXPECT_EQ(StringAt(bar.m_hMenu, 0), "&File");
    EXPECT_EQ(StringAt(bar.m_hMenu, 1), "&Help");

    TesselMenu* file = AsTessel(bar.SubMenuAt(0));
    TesselMenu* help = AsTessel(bar.SubMenuAt(1));
    ASSERT_NE(file, nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(file->m_hMenu), file);
    EXPECT_TRUE(Registered(file->m_hMenu));
    EXPECT_TRUE(Registered(help->m_hMenu));
    EXPECT_TRUE(TesselMenu::IsRegisteredSubMenu(file));
    EXPECT_FALSE(TesselMenu::IsRegisteredSubMenu(&bar));
    EXPECT_EQ(bar.m_items[0]->commandId, reinterpret_cast<UINT_PTR>(file->m_hMenu));
    EXPECT_EQ(file->m_loaded, 0);

    // Sub-items: owner-drawn, with their records as item data.
    ASSERT_EQ(file->m_items.size(), 3u);
    for (int p = 0; p < 3; ++p) {
        EXPECT_TRUE(OwnerDrawnAt(file->m_hMenu, p)) << p;
        EXPECT_EQ(DataAt(file->m_hMenu, p),
                  reinterpret_cast<ULONG_PTR>(file->m_items[static_cast<std::size_t>(p)].get()));
    }
    EXPECT_EQ(file->m_items[0]->commandId, 100u);
    EXPECT_EQ(file->m_items[0]->text.get()[0], L'&');
    const TesselMenuItem& separator = *file->m_items[1];
    EXPECT_EQ(separator.commandId, 0u);
    EXPECT_EQ(separator.flags, static_cast<UINT>(MF_SEPARATOR | MF_OWNERDRAW));
    EXPECT_NE(StateAt(file->m_hMenu, 1) & MF_SEPARATOR, 0u);
    EXPECT_EQ(Caption(*file->m_items[2]), "E&xit");
    EXPECT_EQ(Caption(*help->m_items[0]), "&About");
}

TEST(MenuLoading, NumericIdUsesTheLowSixteenBits) {
    TesselMenu bar;
    EXPECT_TRUE(bar.LoadMenu(0x7770000u + 300u));
    EXPECT_EQ(GetMenuItemCount(bar.m_hMenu), 2);
}

TEST(MenuLoading, NestedPopupThatEndsItsParentClosesBothLevelsAligned) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(301u));
    TesselMenu* outer = AsTessel(bar.SubMenuAt(0));
    ASSERT_NE(outer, nullptr);
    ASSERT_EQ(outer->m_items.size(), 3u);
    TesselMenu* inner = AsTessel(outer->SubMenuAt(2));
    ASSERT_NE(inner, nullptr);
    EXPECT_TRUE(Registered(inner->m_hMenu));
    EXPECT_EQ(outer->m_subMenus, std::vector<HMENU>{inner->m_hMenu});
    ASSERT_EQ(inner->m_items.size(), 3u);

    // Both levels lined up with the menu font: each head at least as wide as
    // the widest head plus a space, and not a space more than needed.
    CFont font = tessel::CreateMenuFont();
    HDC dc = GetDC(GetDesktopWindow());
    HGDIOBJ old = SelectObject(dc, font);
    auto width = [dc](const std::string& s) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
        return static_cast<int>(size.cx);
    };
    struct Level {
        TesselMenu* menu;
        std::vector<std::string> originals;
    };
    for (const Level& level : {Level{outer, {"a\tCtrl+A", "NoTab", "Inner"}},
                               Level{inner, {"Short\tF2", "A much longer caption\tF3", "Plain"}}}) {
        int widest = 0;
        for (const std::string& c : level.originals) widest = std::max(widest, width(c.substr(0, c.find('\t')) + " "));
        for (std::size_t i = 0; i < level.originals.size(); ++i) {
            const std::string& before = level.originals[i];
            const std::string after = Caption(*level.menu->m_items[i]);
            const std::size_t tab = before.find('\t');
            if (tab == std::string::npos) {
                EXPECT_EQ(after, before);
                continue;
            }
            const std::size_t newTab = after.find('\t');
            ASSERT_NE(newTab, std::string::npos) << after;
            EXPECT_EQ(after.substr(newTab), before.substr(tab));
            const std::string head = after.substr(0, newTab);
            EXPECT_EQ(head.substr(0, tab), before.substr(0, tab));
            EXPECT_EQ(head.find_first_not_of(' ', tab), std::string::npos) << "only spaces added";
            EXPECT_GT(head.size(), tab) << "even the widest head gets a space";
            EXPECT_GE(width(head), widest) << after;
            EXPECT_LT(width(head.substr(0, head.size() - 1)), widest) << after;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(GetDesktopWindow(), dc);
}

TEST(MenuLoading, MissingOrBrokenResourcesLeaveALoadedMenuIntact) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300u));
    const HMENU handle = bar.m_hMenu;
    const std::vector<HMENU> subs = bar.m_subMenus;
    const TesselMenuItem* first = bar.m_items[0].get();
    for (const UINT id : {399u, 310u, 311u}) {
        EXPECT_FALSE(bar.LoadMenu(id)) << id;
        EXPECT_EQ(bar.m_hMenu, handle) << id;
        EXPECT_EQ(bar.m_subMenus, subs) << id;
        EXPECT_EQ(bar.m_items[0].get(), first) << id;
        EXPECT_TRUE(IsMenu(subs[0])) << id;
        EXPECT_TRUE(Registered(subs[1])) << id;
    }
    EXPECT_FALSE(bar.LoadMenu("NoSuchMenu"));
    TesselMenu fresh;
    EXPECT_FALSE(fresh.LoadMenu(399u));
    EXPECT_EQ(fresh.m_hMenu, nullptr);
    EXPECT_EQ(fresh.m_loaded, 0);
}

TEST(MenuLoading, ASecondLoadDestroysTheOldTree) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(301u));
    const HMENU oldBar = bar.m_hMenu;
    const HMENU outer = bar.m_subMenus[0];
    const HMENU inner = AsTessel(bar.SubMenuAt(0))->m_subMenus[0];
    ASSERT_TRUE(bar.LoadMenu(300u));
    for (const HMENU h : {oldBar, outer, inner}) {
        EXPECT_FALSE(IsMenu(h));
        EXPECT_FALSE(Registered(h));
        EXPECT_EQ(CMenu::FromHandlePermanent(h), nullptr);
    }
    EXPECT_EQ(bar.m_items.size(), 2u);
    EXPECT_EQ(Caption(*bar.m_items[0]), "&File");
}

TEST(MenuLoading, DestroyEmptiesTheRegistryAndSparesASharedCheckList) {
    TesselMenu bar;
    auto checks = std::make_shared<CImageList>(menutest::MakePictureList({RGB(1, 1, 1), RGB(2, 2, 2)}));
    std::weak_ptr<CImageList> watch = checks;
    const HIMAGELIST checkHandle = checks->GetSafeHandle();
    bar.SetCheckImages(std::move(checks), 301, 302);
    ASSERT_TRUE(bar.LoadMenu(301u));
    TesselMenu* outer = AsTessel(bar.SubMenuAt(0));
    TesselMenu* inner = AsTessel(outer->SubMenuAt(2));
    for (TesselMenu* level : {outer, inner}) {
        EXPECT_EQ(level->m_checkImages.get(), bar.m_checkImages.get());
        EXPECT_EQ(level->m_checkBitmapId, 301);
        EXPECT_EQ(level->m_selectedCheckBitmapId, 302);
        EXPECT_EQ(level->m_iconWidth, 16);
    }
    // A sub-menu emptied on its own lets go of the list, which lives on for
    // the others.
    const long holders = bar.m_checkImages.use_count();
    const HMENU innerHandle = inner->m_hMenu;
    EXPECT_TRUE(inner->DestroyMenu());
    EXPECT_FALSE(Registered(innerHandle));
    EXPECT_EQ(inner->m_checkImages, nullptr);
    EXPECT_EQ(bar.m_checkImages.use_count(), holders - 1);
    EXPECT_EQ(ImageList_GetImageCount(checkHandle), 2);

    const std::vector<HMENU> tree = {bar.m_subMenus[0], outer->m_subMenus[0]};
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_EQ(bar.m_hMenu, nullptr);
    EXPECT_TRUE(bar.m_items.empty());
    EXPECT_TRUE(bar.m_subMenus.empty());
    for (const HMENU h : tree) EXPECT_FALSE(Registered(h));
    EXPECT_EQ(bar.m_checkImages, nullptr);
    EXPECT_TRUE(watch.expired()) << "the list went with the last level that held it";
    EXPECT_FALSE(bar.DestroyMenu());
}

TEST(MenuAppending, IdZeroMakesASeparatorWhateverTheFlags) {
    TesselMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(menu.AppendItem(L"ignored", MF_GRAYED | MF_CHECKED | MF_POPUP, 0));
    EXPECT_TRUE(menu.AppendItem(L"ignored", MF_GRAYED | MF_BYPOSITION, 0));
    EXPECT_EQ(menu.m_items[0]->flags, 0x900u);
    EXPECT_EQ(menu.m_items[1]->flags, 0xD00u);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(menu.m_items[static_cast<std::size_t>(p)]->commandId, 0u);
        EXPECT_EQ(StateAt(menu.m_hMenu, p) & (MF_SEPARATOR | MF_OWNERDRAW),
                  static_cast<UINT>(MF_SEPARATOR | MF_OWNERDRAW));
        EXPECT_EQ(StateAt(menu.m_hMenu, p) & MF_CHECKED, 0u);
    }
    EXPECT_TRUE(menu.m_subMenus.empty());
}

TEST(MenuAppending, AnAppendedPopupIsOwnedRegisteredAndDeletedWithItsParent) {
    bool deleted = false;
    auto parent = std::make_unique<TesselMenu>();
    ASSERT_TRUE(parent->CreatePopupMenu());
    auto owned = std::make_unique<WatchedMenu>(&deleted);
    ASSERT_TRUE(owned->CreatePopupMenu());
    TesselMenu* child = owned.get();  // borrowed: the parent owns it once appended
    const HMENU childHandle = child->m_hMenu;
    ASSERT_TRUE(child->AppendItem(L"Leaf", 0, 11));
    ASSERT_TRUE(parent->AppendPopup(L"&Sub", MF_POPUP, std::move(owned)));
    EXPECT_TRUE(Registered(childHandle));
    EXPECT_EQ(parent->m_subMenus, std::vector<HMENU>{childHandle});
    EXPECT_EQ(parent->SubMenuAt(0), child);
    EXPECT_EQ(parent->m_items[0]->flags, static_cast<UINT>(MF_POPUP | MF_OWNERDRAW));
    EXPECT_TRUE(OwnerDrawnAt(parent->m_hMenu, 0));
    EXPECT_EQ(parent->SubMenuAt(5), nullptr);
    parent.reset();
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(Registered(childHandle));
}

TEST(MenuAppending, PopupsComeOnlyWithTheirObject) {
    TesselMenu parent;
    ASSERT_TRUE(parent.CreatePopupMenu());
    TesselMenu loose;
    ASSERT_TRUE(loose.CreatePopupMenu());
    EXPECT_FALSE(parent.AppendItem(L"&Loose", MF_POPUP, reinterpret_cast<UINT_PTR>(loose.m_hMenu)));
    EXPECT_FALSE(parent.AppendPopup(L"&Empty", 0, std::make_unique<TesselMenu>()));
    EXPECT_FALSE(parent.AppendPopup(L"&None", 0, nullptr));
    EXPECT_TRUE(parent.m_items.empty());
    EXPECT_TRUE(parent.m_subMenus.empty());
    EXPECT_EQ(GetMenuItemCount(parent.m_hMenu), 0);
    EXPECT_FALSE(Registered(loose.m_hMenu));
}

TEST(MenuSearch, FindsCommandsDepthFirstButNeverPopupsById) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(301u));
    int position = 99;
    CMenu* level = bar.FindMenuOfCommand(3, position);
    TesselMenu* inner = AsTessel(AsTessel(bar.SubMenuAt(0))->SubMenuAt(2));
    EXPECT_EQ(level, inner);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(bar.FindMenuOfCommand(5, position), bar.SubMenuAt(0));
    EXPECT_EQ(position, 1);
    EXPECT_EQ(bar.FindMenuOfCommand(static_cast<UINT>(reinterpret_cast<UINT_PTR>(inner->m_hMenu)), position), nullptr);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(bar.FindMenuOfCommand(4711, position), nullptr);
    EXPECT_EQ(position, -1);
}

TEST(MenuSearch, CaptionsByPositionAndById) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300u));
    TesselMenu* file = AsTessel(bar.SubMenuAt(0));
    CString caption = "keep";
    EXPECT_FALSE(file->GetItemCaption(7, caption, MF_BYPOSITION));
    EXPECT_STREQ(caption, "keep");
    EXPECT_FALSE(file->GetItemCaption(3, caption, MF_BYPOSITION));
    EXPECT_TRUE(file->GetItemCaption(2, caption, MF_BYPOSITION));
    EXPECT_STREQ(caption, "E&xit");
    EXPECT_TRUE(bar.GetItemCaption(102, caption, MF_BYCOMMAND));
    EXPECT_STREQ(caption, "&About");
    caption = "keep";
    EXPECT_FALSE(bar.GetItemCaption(4711, caption, MF_BYCOMMAND));
    EXPECT_STREQ(caption, "keep");

    // A level appended with the plain menu functions has no records: its
    // caption is the one the system holds.
    HMENU plain = CreatePopupMenu();
    AppendMenuA(plain, MF_STRING, 55, "Plain &one");
    AppendMenuA(bar.m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(plain), "&Extra");
    EXPECT_TRUE(bar.GetItemCaption(55, caption, MF_BYCOMMAND));
    EXPECT_STREQ(caption, "Plain &one");
}

TEST(MenuSync, InsertedPositionsGetRecordsAndRemovedOnesLoseTheirs) {
    TesselMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendItem(L"A", 0, 1);
    menu.AppendItem(L"B", 0, 2);
    menu.AppendItem(L"C", 0, 3);
    const TesselMenuItem* a = menu.m_items[0].get();
    const TesselMenuItem* b = menu.m_items[1].get();
    InsertMenuA(menu.m_hMenu, 1, MF_BYPOSITION | MF_STRING | MF_CHECKED, 9, "&Inserted");
    DeleteMenu(menu.m_hMenu, 3, MF_BYCOMMAND);
    menu.SynchronizeItems();
    ASSERT_EQ(menu.m_items.size(), 3u);
    EXPECT_EQ(menu.m_items[0].get(), a);
    EXPECT_EQ(menu.m_items[2].get(), b);
    const TesselMenuItem& inserted = *menu.m_items[1];
    EXPECT_EQ(inserted.commandId, 9u);
    EXPECT_EQ(Caption(inserted), "&Inserted");
    EXPECT_EQ(inserted.flags & (MF_OWNERDRAW | MF_BYPOSITION | MF_CHECKED),
              static_cast<UINT>(MF_OWNERDRAW | MF_BYPOSITION | MF_CHECKED));
    for (int p = 0; p < 3; ++p) {
        EXPECT_TRUE(OwnerDrawnAt(menu.m_hMenu, p)) << p;
        EXPECT_EQ(DataAt(menu.m_hMenu, p),
                  reinterpret_cast<ULONG_PTR>(menu.m_items[static_cast<std::size_t>(p)].get()));
    }
    EXPECT_NE(StateAt(menu.m_hMenu, 1) & MF_CHECKED, 0u);
    EXPECT_EQ(Caption(*menu.m_items[0]), "A");
}

TEST(MenuSync, DuplicatesPairUpFirstComeFirstServed) {
    TesselMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendItem(L"first", 0, 5);
    menu.AppendItem(L"second", 0, 5);
    const TesselMenuItem* first = menu.m_items[0].get();
    DeleteMenu(menu.m_hMenu, 0, MF_BYPOSITION);
    menu.SynchronizeItems();
    ASSERT_EQ(menu.m_items.size(), 1u);
    EXPECT_EQ(menu.m_items[0].get(), first);
    EXPECT_EQ(DataAt(menu.m_hMenu, 0), reinterpret_cast<ULONG_PTR>(first));
}

TEST(MenuSync, ASeparatorIsRefreshedByItsPositionNotAsACommandId) {
    // The separator's record was appended without MF_BYPOSITION; the
    // refresh must not read its position (2) as the command id 2.
    TesselMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendItem(L"Two", 0, 2);
    menu.AppendItem(nullptr, 0, 0);
    InsertMenuA(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 7, "Seven");
    menu.SynchronizeItems();
    ASSERT_EQ(GetMenuItemCount(menu.m_hMenu), 3);
    EXPECT_EQ(GetMenuItemID(menu.m_hMenu, 1), 2u);
    EXPECT_EQ(StateAt(menu.m_hMenu, 1) & MF_SEPARATOR, 0u);
    EXPECT_NE(StateAt(menu.m_hMenu, 2) & MF_SEPARATOR, 0u);
    EXPECT_EQ(DataAt(menu.m_hMenu, 2), reinterpret_cast<ULONG_PTR>(menu.m_items[2].get()));
    EXPECT_EQ(menu.m_items[2]->commandId, 0u);
}

TEST(MenuSync, ALoadedBarKeepsItsPopupsPlain) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(302u));
    ASSERT_EQ(bar.m_items.size(), 2u);
    const TesselMenuItem* edit = bar.m_items[0].get();
    const TesselMenuItem* run = bar.m_items[1].get();
    EXPECT_FALSE(OwnerDrawnAt(bar.m_hMenu, 1));
    bar.SynchronizeItems();
    ASSERT_EQ(bar.m_items.size(), 2u);
    EXPECT_EQ(bar.m_items[0].get(), edit);
    EXPECT_EQ(bar.m_items[1].get(), run);
    EXPECT_FALSE(OwnerDrawnAt(bar.m_hMenu, 0));
    EXPECT_EQ(StringAt(bar.m_hMenu, 0), "&Edit");
    EXPECT_TRUE(OwnerDrawnAt(bar.m_hMenu, 1));
    EXPECT_EQ(Caption(*run), "&Run");
}

TEST(MenuSync, ForeignLeadingPositionsAndPopupCaptions) {
    TesselMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300u));
    EXPECT_EQ(bar.CountForeignLeadingItems(), 0);
    InsertMenuA(bar.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 61440, "System");
    EXPECT_EQ(bar.CountForeignLeadingItems(), 1);

    // A popup made owner-drawn behind the object's back is a plain string again.
    ModifyMenuA(bar.m_hMenu, 2, MF_BYPOSITION | MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(bar.m_subMenus[1]),
                nullptr);
    bar.RefreshPopupCaptions();
    EXPECT_FALSE(OwnerDrawnAt(bar.m_hMenu, 2));
    EXPECT_EQ(StringAt(bar.m_hMenu, 2), "&Help");
    EXPECT_EQ(StringAt(bar.m_hMenu, 1), "&File");
    EXPECT_EQ(StringAt(bar.m_hMenu, 0), "System");
    EXPECT_EQ(bar.m_items[1]->flags, static_cast<UINT>(MF_BYPOSITION | MF_POPUP));

    // Appending to a loaded bar re-applies the popup captions too.
    ModifyMenuA(bar.m_hMenu, 1, MF_BYPOSITION | MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(bar.m_subMenus[0]),
                nullptr);
    ASSERT_TRUE(bar.AppendItem(L"&Tools", 0, 300));
    EXPECT_FALSE(OwnerDrawnAt(bar.m_hMenu, 1));
    EXPECT_EQ(StringAt(bar.m_hMenu, 1), "&File");
    EXPECT_TRUE(OwnerDrawnAt(bar.m_hMenu, 3));

    TesselMenu notLoaded;
    ASSERT_TRUE(notLoaded.CreateMenu());
    AppendMenuA(notLoaded.m_hMenu, MF_STRING, 1, "x");
    EXPECT_EQ(notLoaded.CountForeignLeadingItems(), 0);
}

}  // namespace
