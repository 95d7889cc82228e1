// Size arithmetic of WM_MEASUREITEM for the owner-drawn menu: item and
// separator sizes from the caption's text extent, the picture size and the
// system's menu height.
#pragma once

namespace tessel {

struct ItemSize {
    int width = 0;
    int height = 0;
};

// Padding around pictures: 7 while the XP style draws with picture effects,
// else 4.
int ItemPadding(bool xpStyleActive, bool xpIconEffects);

// A separator: no width; half the taller of picture-plus-padding and the
// system menu height, each halved on its own.
ItemSize SeparatorItemSize(int iconHeight, int pad, int cyMenu);

// Any other item: the caption's width plus the picture column, at least the
// system menu height high. The caption's height plays no part.
ItemSize CommandItemSize(int captionWidth, int iconWidth, int iconHeight, int pad, bool xpStyleActive, int cyMenu);

// Caption width on Win32s, from DrawText's rectangle width and the caption's
// length in UTF-16 units: 3 pixels more, then 3 more per average character.
int Win32sCaptionWidth(int drawTextWidth, int captionLength);

}  // namespace tessel
