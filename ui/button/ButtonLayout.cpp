#include "ui/button/ButtonLayout.h"

namespace flatbutton {

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void Offset(RECT& r, int dx, int dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

}  // namespace

RECT PlaceImage(const ImageLayout& layout, bool hasCaption, const RECT& item, const RECT& client, RECT* caption,
                bool pressed, unsigned width, unsigned height) {
    RECT image = item;
    // Sizes are pixels of an icon or bitmap, far inside int's range.
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    switch (layout.align) {
    case 0:  // left of the caption
        if (hasCaption) {
            image.left += layout.marginX;
            caption->left += layout.marginX + w;
        } else {
            image.left += (Width(image) - w) / 2;
        }
        image.top += (Height(image) - h) / 2;
        break;
    case 1:  // above the caption
        image.left += (Width(image) - w) / 2;
        if (hasCaption) {
            image.top = layout.marginY;
            caption->top += h;
        } else {
            image.top += (Height(image) - h) / 2;
        }
        break;
    case 2:  // right of the caption
        if (hasCaption) {
            caption->right -= caption->left + layout.marginX + w;
            caption->left = layout.marginX;
            image.left = client.right - layout.marginX - w;
            image.top += (Height(image) - h) / 2;
        } else {
            image.left += (Width(image) - w) / 2;
        }
        break;
    default:
        break;
    }
    if (pressed && !layout.checkStyle) Offset(image, layout.pushOffset.x, layout.pushOffset.y);
    return image;
}

RECT CentreCaption(const RECT& area, const RECT& extent) {
    RECT centred = extent;
    Offset(centred, (Width(area) - Width(extent)) / 2, (Height(area) - Height(extent)) / 2);
    return centred;
}

RECT PressCaption(const ImageLayout& layout, const RECT& caption, bool pressed) {
    RECT moved = caption;
    if (pressed && !layout.checkStyle) Offset(moved, layout.pushOffset.x, layout.pushOffset.y);
    return moved;
}

}  // namespace flatbutton
