// Pixel-level routines the menu's drawing and picture code share: the two
// ways of drawing a disabled item's picture, the faded and shadow copies of
// a picture, and the check box with its marks. Every GDI object a routine
// makes is deleted before it returns, and whatever it selects into a
// caller's DC is selected back out. LightenColor is in MenuColors.h.
#pragma once

#include "framework/Afx.h"
#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "ui/menu/model/SystemDetection.h"

namespace tessel {

// The picture's shape, reduced to black and white through a one-bit section
// (black = shape), in the highlight colour one pixel right and down and in
// the shadow colour in place, on a box of background.
void DrawEmbossedImage(HDC dc, int x, int y, int width, int height, HBITMAP picture, int srcX, int srcY,
                       COLORREF background);

// The picture's shape, every pixel that is neither exactly button face nor
// button highlight, the same two-tone way; covers width + 1 by height + 1.
// The picture's pixels are overwritten.
void DrawGrayedImage(CDC* dc, int x, int y, int width, int height, CBitmap* picture, int srcX, int srcY,
                     COLORREF background);

// Every pixel that differs from button face, as the picture's format stores
// it, lightened by 0.3.
void MakeFadedImage(CBitmap* picture);

// Every such pixel in the one shadow colour of the look.
void MakeShadowImage(CBitmap* picture);
void MakeShadowImage(CBitmap* picture, bool xpLook);

// The classic check box: lightened unless selected, sunken on the new
// shells, with a radio dot or a check mark.
BOOL DrawCheckBoxClassic(CDC* dc, const RECT* box, BOOL selected, BOOL radio);
BOOL DrawCheckBoxClassic(CDC* dc, const RECT* box, BOOL selected, BOOL radio, const SystemLook& look);

// The XP check box: a lightened fill framed in frameColor (the highlight
// colour when null).
BOOL DrawCheckBoxXP(CDC* dc, const RECT* box, BOOL radio, const COLORREF* frameColor);

// A 6 x 6 dot whose bounding box starts at (x, y).
void DrawRadioDot(CDC* dc, int x, int y, COLORREF color);

// The 7 x 7 check mark whose top-left corner is (x, y).
void DrawCheckMark(CDC* dc, int x, int y, COLORREF color);

}  // namespace tessel
