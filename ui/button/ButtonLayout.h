// Where the flat button puts its image and its caption: plain rectangle
// arithmetic, apart from any drawing so every alignment can be checked
// directly. Halvings are signed divisions that truncate toward zero.
#pragma once
#include <windows.h>

namespace flatbutton {

// The button settings that decide the layout.
struct ImageLayout {
    BYTE align = 0;   // 0 left of the caption, 1 above it, 2 right of it
    int marginX = 3;  // side of the button to an image left or right of the caption
    int marginY = 3;  // top of an image above the caption
    POINT pushOffset = {1, 1};
    bool checkStyle = false;  // a check-style button does not move while pressed
};

// The image's top-left corner for an image of width x height in item, and the
// caption area that is left over (caption is read and updated). client is the
// button's client rectangle, used by the right alignment. Only left and top
// of the result are placed; right and bottom keep item's values, moved along
// by a press.
RECT PlaceImage(const ImageLayout& layout, bool hasCaption, const RECT& item, const RECT& client, RECT* caption,
                bool pressed, unsigned width, unsigned height);

// extent, the rectangle that DrawText's measuring gave for the text laid out
// from area's top-left corner, moved to the centre of area.
RECT CentreCaption(const RECT& area, const RECT& extent);

// The caption area of a pressed button moves with the image.
RECT PressCaption(const ImageLayout& layout, const RECT& caption, bool pressed);

}  // namespace flatbutton
