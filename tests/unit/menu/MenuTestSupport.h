// Test helpers for the menu class: a 32-bit canvas whose pixels are read
// straight from memory, pictures made on the fly, and the system's colours.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CImageList.h"
#include "ui/menu/draw/MenuColors.h"

namespace menutest {

using tessel::Color;

// A top-down 32-bit DIB section selected into its own memory DC.
class Canvas {
public:
    Canvas(int width, int height, Color fill = 0x00FF00FF);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }  // owned by the canvas
    int width() const { return width_; }
    int height() const { return height_; }
    void Fill(Color c);
    void Set(int x, int y, Color c);
    Color Get(int x, int y) const;
    // Pixels of a colour inside a rectangle (right and bottom excluded).
    int Count(Color c, int left, int top, int right, int bottom) const;
    // Leftmost / rightmost column holding a pixel other than background
    // within the rows [top, bottom); -1 when none.
    int FirstColumnNot(Color background, int left, int top, int right, int bottom) const;
    int LastColumnNot(Color background, int left, int top, int right, int bottom) const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

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
