// The flat button's pixels: one paint drawn from plain values, apart from the
// window, so every look can be painted into a memory DC and read back. The
// button decides what a paint shows; this only draws it.
#pragma once
#include <windows.h>

#include "ui/button/ButtonLayout.h"

namespace flatbutton {

// An image of the button, the variant the state chose. The handles are
// borrowed from the button; a null image is not drawn.
struct PaintImage {
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;
    HBITMAP mask = nullptr;  // white where the bitmap is transparent; null: opaque
    unsigned width = 0;
    unsigned height = 0;
};

// What one paint shows, as the button's state and settings decided it.
struct ButtonPaint {
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
    bool flat = true;
    bool hovered = false;  // the pointer is over the button
    bool isDefault = false;
    bool drawBorder = true;
    bool flatFocusRect = false;
    bool grayDisabledBitmap = true;
    COLORREF fill = 0;       // the background
    COLORREF ink = 0;        // the caption
    COLORREF inkGround = 0;  // the caption's background colour
    ImageLayout layout;
    RECT client = {};  // the button's client rectangle
    PaintImage icon;
    PaintImage bitmap;
    const wchar_t* text = L"";  // borrowed: the caption; empty for none
    bool parentBackground = false;
    // Borrowed: the parent's pixels under the button, client-sized; with
    // parentBackground and no snapshot nothing is painted under the button.
    HDC snapshot = nullptr;
};

// Paints the whole button into dc over item; dc is borrowed.
void PaintButton(HDC dc, const RECT& item, const ButtonPaint& paint);

}  // namespace flatbutton
