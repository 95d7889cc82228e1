// Size arithmetic of WM_MEASUREITEM; see ItemSizeRules.h.
#include "ui/menu/measure/ItemSizeRules.h"

#include <algorithm>

namespace tessel {

int ItemPadding(bool xpStyleActive, bool xpIconEffects) { return xpStyleActive && xpIconEffects ? 7 : 4; }

ItemSize SeparatorItemSize(int iconHeight, int pad, int cyMenu) {
    return ItemSize{0, std::max((iconHeight + pad) / 2, cyMenu / 2)};
}

ItemSize CommandItemSize(int captionWidth, int iconWidth, int iconHeight, int pad, bool xpStyleActive, int cyMenu) {
    const int column = xpStyleActive ? iconWidth + pad + 8 : 2 * iconWidth + 1;
    return ItemSize{captionWidth + column, std::max(cyMenu, iconHeight + pad)};
}

int Win32sCaptionWidth(int drawTextWidth, int captionLength) {
    int w = drawTextWidth + 3;
    if (captionLength > 0) w += 3 * (w / captionLength);
    return w;
}

}  // namespace tessel
