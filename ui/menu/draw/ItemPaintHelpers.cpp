#include "ui/menu/draw/ItemPaintHelpers.h"

#include <cstddef>

#include "framework/CBrush.h"
#include "ui/menu/model/SystemDetection.h"
#include "ui/menu/model/TesselMenuItem.h"
#include "ui/menu/pictures/SharedImages.h"

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

HIMAGELIST ChosenPictureList(const TesselMenuItem* item, const PictureChoice& choice, HIMAGELIST shared) {
    if (choice.source == PictureSource::Shared) return shared;
    return item != nullptr && item->ownImages ? item->ownImages->GetSafeHandle() : nullptr;
}

namespace {

PictureChoice ChoosePicture(const ItemDrawSettings& s, const TesselMenuItem* item, ItemLook look) {
    if (look == ItemLook::Classic) {
        return item != nullptr ? ChooseClassicPicture(item->ownImageFlag, item->ownImageIndex, item->sharedImageIndex)
                               : ChooseClassicPicture(-1, -1, -1);
    }
    if (item == nullptr) return ChooseXpPicture(-1, -1, -1, -1, false, false);
    const int ownCount = item->ownImages ? item->ownImages->GetImageCount() : -1;
    const bool sharedEffects =
        s.sharedImageIds != nullptr && HasEffectImages(*s.sharedImageIds, item->sharedImageIndex);
    return ChooseXpPicture(item->ownImageFlag, item->ownImageIndex, ownCount, item->sharedImageIndex, s.xpIconEffects,
                           sharedEffects);
}

}  // namespace

PreparedItem PrepareItem(const ItemDrawSettings& s, DRAWITEMSTRUCT* dis, ItemLook look) {
    PreparedItem p;
    p.record = ItemRecordOf(dis);
    p.sys = ReadMenuSysColors();
    p.rect = ToItemRect(dis->rcItem);
    p.grayed = (dis->itemState & ODS_GRAYED) != 0;
    const bool selectDisabled = look == ItemLook::Classic ? s.selectDisabledClassic : s.selectDisabledXP;
    p.selected = EffectiveSelected((dis->itemState & ODS_SELECTED) != 0, p.grayed, selectDisabled);
    // dis keeps the state the item was painted in.
    if (!p.selected) dis->itemState &= ~static_cast<UINT>(ODS_SELECTED);
    p.checked = (dis->itemState & ODS_CHECKED) != 0;
    p.separator = p.record != nullptr && (p.record->flags & MF_SEPARATOR) != 0;
    if (p.record != nullptr) p.caption = std::string(p.record->GetTextNarrow());
    p.parts = SplitCaption(p.caption);
    p.picture = ChoosePicture(s, p.record, look);
    p.list = ChosenPictureList(p.record, p.picture, s.sharedImages);
    p.state =
        DerivePictureState(p.picture.flag, p.checked, p.selected, p.grayed, s.selectedCheckBitmapId, s.checkBitmapId);
    return p;
}

}  // namespace tessel
