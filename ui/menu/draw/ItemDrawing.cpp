#include "ui/menu/draw/ItemDrawing.h"

#include "ui/menu/draw/ClassicItemDrawing.h"
#include "ui/menu/draw/XpItemDrawing.h"

namespace tessel {

void DrawMenuItem(const ItemDrawSettings& settings, DRAWITEMSTRUCT* dis, ItemLook look) {
    if (dis == nullptr || dis->hDC == nullptr) return;
    const PreparedItem item = PrepareItem(settings, dis, look);
    CBorrowedDC dc(dis->hDC);  // borrowed: the item DC belongs to the system
    if (look == ItemLook::Classic) {
        DrawClassicItem(settings, item, dc, *dis);
    } else {
        DrawXpItem(settings, item, dc, *dis);
    }
}

}  // namespace tessel
