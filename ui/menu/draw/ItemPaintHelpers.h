// Small painting steps both item looks share: preparing an item from its
// record and states, fills, pictures from image lists, the check-mark kind
// and the caption.
#pragma once

#include <string>

#include "framework/Afx.h"
#include "framework/CDC.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/draw/ItemLayout.h"
#include "ui/menu/draw/MenuColors.h"

class TesselMenuItem;

namespace tessel {

inline RECT ToRect(const ItemRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline ItemRect ToItemRect(const RECT& r) { return ItemRect{r.left, r.top, r.right, r.bottom}; }

// The record of a DRAWITEMSTRUCT's item; borrowed from its menu, or null.
const TesselMenuItem* ItemRecordOf(const DRAWITEMSTRUCT* dis);

void FillRectWith(HDC dc, const ItemRect& rect, COLORREF color);

// Picture index of list at (x, y), transparent; nothing without list or
// picture.
void DrawListPicture(HDC dc, HIMAGELIST list, int index, int x, int y);

// True when the item's own check-mark bitmap is set (a radio dot is drawn
// then, a check mark otherwise).
bool HasCustomCheckBitmap(const DRAWITEMSTRUCT* dis);

// The label left and the accelerator text right-aligned in rect, in one
// colour, with a transparent background.
void DrawCaptionParts(HDC dc, const CaptionParts& parts, const ItemRect& rect, COLORREF color);

// The picture list an item's choice names: its own list or the shared one.
HIMAGELIST ChosenPictureList(const TesselMenuItem* item, const PictureChoice& choice, HIMAGELIST shared);

// What both looks read before painting an item.
struct PreparedItem {
    const TesselMenuItem* record = nullptr;  // borrowed from its menu, or null
    MenuSysColors sys;
    ItemRect rect;
    bool grayed = false;
    bool selected = false;
    bool checked = false;
    bool separator = false;
    std::string caption;
    CaptionParts parts;
    PictureChoice picture;
    HIMAGELIST list = nullptr;  // borrowed: the list the picture is in
    PictureState state;
};

enum class ItemLook { Classic, Xp };

// The item of dis, whose itemData is its TesselMenuItem (or null), with its
// picture chosen as look chooses. Clears ODS_SELECTED in dis->itemState when
// the look drops a grayed item's selection.
PreparedItem PrepareItem(const ItemDrawSettings& settings, DRAWITEMSTRUCT* dis, ItemLook look);

}  // namespace tessel
