// The classic three-dimensional look of a menu item: a selection bar, a
// raised or sunken picture square, a hand-drawn check box and an engraved
// caption for disabled items.
#pragma once

#include "framework/Afx.h"
#include "ui/menu/draw/ItemDrawSettings.h"
#include "ui/menu/draw/ItemPaintHelpers.h"

namespace tessel {

// Paints the prepared item of dis into dc, the item DC the system lent.
void DrawClassicItem(const ItemDrawSettings& settings, const PreparedItem& item, CDC& dc, const DRAWITEMSTRUCT& dis);

}  // namespace tessel
