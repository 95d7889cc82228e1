// Icons made in the tests with CreateIconIndirect, so that their every
// pixel and their mask are known. The caller owns the returned icon.
#pragma once
#include <windows.h>

#include <functional>

// An icon of width x height whose pixel (x, y) has colour(x, y) and is
// transparent where transparent(x, y) holds (null: fully opaque).
HICON MakeTestIcon(int width, int height, const std::function<COLORREF(int, int)>& colour,
                   const std::function<bool(int, int)>& transparent = nullptr);

// A square icon of one colour, fully opaque.
HICON MakeSolidIcon(int size, COLORREF colour);

// Colour (x, y) of the icon's colour bitmap and whether its mask bit is set
// (transparent); false when the icon cannot be read.
bool ReadIconPixel(HICON icon, int x, int y, COLORREF* colour, bool* transparent);
