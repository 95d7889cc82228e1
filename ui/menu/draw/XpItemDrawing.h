// The flat XP look of a menu item: a window-coloured item with a tinted
// picture column, a light selection box with a highlight border, pictures
// that rise with a shadow when selected, and a 16 x 16 check box. Grayed
// items are composed off-screen.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/draw/ItemPaintHelpers.h"

namespace tessel {

// Paints the prepared item of dis into dc, the item DC the system lent.
void DrawXpItem(const ItemDrawSettings& settings, const PreparedItem& item, CDC& dc, const DRAWITEMSTRUCT& dis);

}  // namespace tessel
