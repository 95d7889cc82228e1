// The classic three-dimensional look of a menu item: a selection bar, a
// raised or sunken picture square, a hand-drawn check box and an engraved
// caption for disabled items.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/ItemDrawSettings.h"

namespace tessel {

// Paints the item of dis, whose itemData is its TesselMenuItem (or null).
// May clear ODS_SELECTED in dis->itemState for a grayed item.
void DrawClassicItem(const ItemDrawSettings& settings, DRAWITEMSTRUCT* dis);

}  // namespace tessel
