// Drawing fixture of the item-drawing tests: a real popup menu holding the
// item (for its check-mark bitmaps), a canvas, and the DRAWITEMSTRUCT.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tests/support/PixelCanvas.h"
#include "tests/unit/menu/MenuTestSupport.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/model/TesselMenu.h"

namespace menutest {

constexpr Color kUntouched = 0x00FF00FF;
constexpr UINT kItemId = 7;

class ItemDrawing : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(menu_.CreatePopupMenu());
        ASSERT_TRUE(menu_.AppendItem(L"Open", 0, kItemId));
        item_ = menu_.m_items[0].get();
    }

    // The item drawn into a canvas of w x h with the rectangle given.
    DRAWITEMSTRUCT Item(testsupport::PixelCanvas& canvas, RECT rect, UINT state) const {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = kItemId;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state;
        dis.hwndItem = reinterpret_cast<HWND>(menu_.m_hMenu);
        dis.hDC = canvas.DC();
        dis.rcItem = rect;
        dis.itemData = reinterpret_cast<ULONG_PTR>(item_);
        return dis;
    }

    // Gives the item picture 0 of a list of the settings' shared pictures.
    void UsePicture(const CImageList& list) {
        settings_.sharedImages = list.GetSafeHandle();
        item_->sharedImageIndex = 0;
    }

    TesselMenu menu_;
    TesselMenuItem* item_ = nullptr;  // owned by menu_
    tessel::ItemDrawSettings settings_;
};

// Rows [top, bottom) of the columns where a colour occurs within a band.
inline int RowsWith(const testsupport::PixelCanvas& canvas, Color c, int left, int right) {
    const RECT rows = canvas.Bounds(RECT{left, 0, right, canvas.Height()}, c);
    return rows.bottom - rows.top;
}

}  // namespace menutest
