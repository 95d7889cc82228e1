// The item record and the menu object: defaults, captions through the ANSI
// code page, run-time class information, the process-wide settings, and
// what construction and destruction own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/model/TesselMenu.h"
#include "ui/menu/model/TesselMenuItem.h"

namespace {

std::string ToCodePage(const wchar_t* text, UINT codePage) {
    const int n = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text, -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

class ProbeImageList : public CImageList {
public:
    explicit ProbeImageList(bool* destroyed) : destroyed_(destroyed) {}
    ~ProbeImageList() override { *destroyed_ = true; }

private:
    bool* destroyed_;
};

TEST(TesselMenuItemRecord, StartsEmpty) {
    TesselMenuItem item;
    EXPECT_EQ(item.text, nullptr);
    EXPECT_EQ(item.ownImageIndex, -1);
    EXPECT_EQ(item.sharedImageIndex, -1);
    EXPECT_EQ(item.ownImageFlag, -1);
    EXPECT_EQ(item.flags, 0u);
    EXPECT_EQ(item.commandId, 0u);
    EXPECT_EQ(item.ownImages, nullptr);
    EXPECT_TRUE(item.GetTextNarrow().IsEmpty());
}

TEST(TesselMenuItemRecord, NullAndEmptyCaptionsStayApart) {
    TesselMenuItem item;
    item.SetTextNarrow("Open");
    ASSERT_NE(item.text, nullptr);
    item.SetTextNarrow(nullptr);
    EXPECT_EQ(item.text, nullptr);
    EXPECT_TRUE(item.GetTextNarrow().IsEmpty());

    item.SetTextNarrow("");
    ASSERT_NE(item.text, nullptr);
    EXPECT_EQ(item.text[0], L'\0');
    EXPECT_TRUE(item.GetTextNarrow().IsEmpty());

    item.SetTextWide(nullptr);
    EXPECT_EQ(item.text, nullptr);
}

TEST(TesselMenuItemRecord, WideCaptionIsACopy) {
    wchar_t source[] = L"E&xit\tAlt+F4";
    TesselMenuItem item;
    item.SetTextWide(source);
    source[0] = L'Q';
    EXPECT_STREQ(item.text.get(), L"E&xit\tAlt+F4");
    EXPECT_STREQ(item.GetTextNarrow(), "E&xit\tAlt+F4");
}

TEST(TesselMenuItemRecord, ChineseCaptionsSurviveTheAnsiRoundTrip) {
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the Chinese ANSI code page";
    const wchar_t* wide = L"文件(&F)\t打开 Ctrl+O";
    const std::string gbk = ToCodePage(wide, 936);
    ASSERT_GT(gbk.size(), std::wcslen(wide));  // double-byte characters
    TesselMenuItem item;
    item.SetTextNarrow(gbk.c_str());
    EXPECT_STREQ(item.text.get(), wide);
    EXPECT_EQ(std::string(item.GetTextNarrow()), gbk);
}

TEST(TesselMenuItemRecord, UnrepresentableCharactersConvertAsTheSystemDoes) {
    // Thai has no place in code page 936: it comes out as the system's
    // replacement, and nothing is cut or overrun.
    TesselMenuItem item;
    item.SetTextWide(L"a\x0E01\x0E02z");
    const std::string narrow(item.GetTextNarrow());
    EXPECT_EQ(narrow, ToCodePage(L"a\x0E01\x0E02z", CP_ACP));
    EXPECT_EQ(narrow.front(), 'a');
    EXPECT_EQ(narrow.back(), 'z');
}

TEST(TesselMenuItemRecord, LongCaptionsConvertWhole) {
    std::wstring wide(5000, L'中');
    TesselMenuItem item;
    item.SetTextWide(wide.c_str());
    EXPECT_EQ(std::string(item.GetTextNarrow()).size(), 10000u);
}

TEST(TesselMenuItemRecord, DeletingARecordDeletesItsOwnPictures) {
    bool destroyed = false;
    {
        auto item = std::make_unique<TesselMenuItem>();
        item->SetOwnImage(std::make_unique<ProbeImageList>(&destroyed), 2);
        EXPECT_EQ(item->ownImageIndex, 2);
        EXPECT_EQ(item->ownImageFlag, 0);
        EXPECT_FALSE(destroyed);
    }
    EXPECT_TRUE(destroyed);
}

TEST(TesselMenuObject, NewMenuHasTheDefaults) {
    TesselMenu menu;
    EXPECT_EQ(menu.m_hMenu, nullptr);
    EXPECT_TRUE(menu.m_items.empty());
    EXPECT_TRUE(menu.m_subMenus.empty());
    EXPECT_EQ(menu.m_iconWidth, 16);
    EXPECT_EQ(menu.m_iconHeight, 15);
    EXPECT_EQ(menu.m_maskColor, 0x00C0C0C0u);
    EXPECT_EQ(menu.m_useMaskColor, 0);
    EXPECT_EQ(menu.m_embossedDisabledIcons, 0);
    EXPECT_EQ(menu.m_checkImages, nullptr);
    EXPECT_EQ(menu.m_selectedCheckBitmapId, -1);
    EXPECT_EQ(menu.m_checkBitmapId, -1);
    EXPECT_EQ(menu.m_imageIsIcon, 0);
    EXPECT_EQ(menu.m_loaded, 0);
}

TEST(TesselMenuObject, CarriesItsRunTimeClass) {
    TesselMenu menu;
    CMenu plain;
    const CRuntimeClass* info = menu.GetRuntimeClass();
    EXPECT_STREQ(info->m_lpszClassName, "TesselMenu");
    EXPECT_EQ(info->m_pBaseClass, RUNTIME_CLASS(CMenu));
    EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(TesselMenu)));
    EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(CMenu)));
    EXPECT_TRUE(menu.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(TesselMenu)));
}

TEST(TesselMenuObject, ProcessWideSettingsStartAsDesigned) {
    EXPECT_EQ(TesselMenu::s_defaultDrawStyle, tessel::DrawStyleClassic);
    EXPECT_EQ(TesselMenu::s_themedDrawStyle, tessel::DrawStyleXP);
    EXPECT_EQ(TesselMenu::s_selectDisabledClassic, 1);
    EXPECT_EQ(TesselMenu::s_selectDisabledXP, 0);
    EXPECT_EQ(TesselMenu::s_xpIconEffects, 1);
    // Detected while the process started, before any test ran.
    EXPECT_EQ(TesselMenu::s_osVersion, tessel::DetectOsVersion());
    EXPECT_EQ(static_cast<int>(TesselMenu::s_sharedImageIds.size()), TesselMenu::s_sharedImages.GetImageCount());
}

TEST(TesselMenuObject, DestroyingAnEmptyMenuDoesNothingElse) {
    const std::vector<HMENU> registry = TesselMenu::s_subMenuRegistry;
    {
        TesselMenu menu;
        EXPECT_FALSE(menu.DestroyMenu());
        EXPECT_EQ(menu.m_hMenu, nullptr);
    }
    EXPECT_EQ(TesselMenu::s_subMenuRegistry, registry);
}

TEST(TesselMenuObject, DestructorReleasesTheMenuAndItsRecords) {
    auto menu = std::make_unique<TesselMenu>();
    ASSERT_TRUE(menu->CreatePopupMenu());
    const HMENU handle = menu->m_hMenu;
    ASSERT_TRUE(menu->AppendItem(L"One", 0, 1));
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), menu.get());
    menu.reset();
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
}

}  // namespace
