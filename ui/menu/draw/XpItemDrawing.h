// The flat XP look of a menu item: a window-coloured item with a tinted
// picture column, a light selection box with a highlight border, pictures
// that rise with a shadow when selected, and a 16 x 16 check box. Grayed
// items are composed off-screen.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/ItemDrawSettings.h"

namespace tessel {

// Paints the item of dis, whose itemData is its TesselMenuItem (or null).
// May clear ODS_SELECTED in dis->itemState for a grayed item.
void DrawXpItem(const ItemDrawSettings& settings, DRAWITEMSTRUCT* dis);

}  // namespace tessel
