// The one entry to paint a menu item, in either look.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/draw/ItemPaintHelpers.h"

namespace tessel {

// Paints the item of dis, whose itemData is its TesselMenuItem (or null), in
// look. May clear ODS_SELECTED in dis->itemState for a grayed item.
void DrawMenuItem(const ItemDrawSettings& settings, DRAWITEMSTRUCT* dis, ItemLook look);

}  // namespace tessel
