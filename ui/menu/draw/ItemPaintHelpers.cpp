#include "ui/menu/draw/ItemPaintHelpers.h"

#include <cstddef>

#include "framework/CBrush.h"
#include "ui/menu/model/TesselMenuItem.h"

namespace tessel {

const TesselMenuItem* ItemRecordOf(const DRAWITEMSTRUCT* dis) {
    return dis != nullptr ? reinterpret_cast<const TesselMenuItem*>(dis->itemData) : nullptr;
}

void FillRectWith(HDC dc, const ItemRect& rect, COLORREF color) {
    CBrush brush(color);
    const RECT r = ToRect(rect);
    ::FillRect(dc, &r, brush);
}

void DrawListPicture(HDC dc, HIMAGELIST list, int index, int x, int y) {
    if (list == nullptr || index < 0 || index >= ::ImageList_GetImageCount(list)) return;
    ::ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
}

bool HasCustomCheckBitmap(const DRAWITEMSTRUCT* dis) {
    MENUITEMINFOA info = {};
    // The block as it was before menu-item bitmaps existed (44 bytes in a
    // 32-bit build), which every system understands.
    info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    info.fMask = MIIM_CHECKMARKS;
    if (!::GetMenuItemInfoA(reinterpret_cast<HMENU>(dis->hwndItem), dis->itemID, FALSE, &info)) {
        return false;
    }
    return info.hbmpChecked != nullptr;
}

void DrawCaptionParts(HDC dc, const CaptionParts& parts, const ItemRect& rect, COLORREF color) {
    RECT r = ToRect(rect);
    const COLORREF oldColor = ::SetTextColor(dc, color);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, parts.label.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER);
    if (parts.hasTab) {
        r = ToRect(rect);
        ::DrawTextA(dc, parts.accelerator.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldColor);
}

HIMAGELIST ChosenPictureList(const TesselMenuItem* item, const PictureChoice& choice,
                             HIMAGELIST shared) {
    if (choice.source == PictureSource::Shared) return shared;
    return item != nullptr && item->ownImages ? item->ownImages->GetSafeHandle() : nullptr;
}

}  // namespace tessel
