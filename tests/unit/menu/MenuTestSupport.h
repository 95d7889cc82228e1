// Test helpers for the menu class: pictures made on the fly, the system's
// colours and its menu font.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CImageList.h"
#include "ui/menu/draw/MenuColors.h"

namespace menutest {

using tessel::Color;

// A screen-compatible bitmap of w x h filled with a colour, with an
// optional rectangle of another colour.
HBITMAP MakeBitmap(int w, int h, Color fill, RECT inner = RECT{0, 0, 0, 0}, Color innerColor = 0);

// A 16 x 15 image list holding one picture per colour: a square of the
// colour inside a 1-pixel button-face margin that the mask takes out.
CImageList MakePictureList(const std::vector<Color>& colors, int w = 16, int h = 15);

Color SysColor(int index);

// The caption drawn on a canvas: the menu font of the system.
HFONT MenuFont();

}  // namespace menutest
