#include "ui/button/FlatButtonPainter.h"

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CPen.h"

namespace flatbutton {

namespace {

// One 1-pixel line of the classic raised frame: from, then two corners.
void FrameLine(HDC dc, int colorIndex, POINT from, POINT corner, POINT end) {
    CPen pen(PS_SOLID, 1, ::GetSysColor(colorIndex));
    CSelectGuard selected(dc, pen);
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, corner.x, corner.y);
    ::LineTo(dc, end.x, end.y);
}

void DrawRaisedFrame(HDC dc, const RECT& r) {
    const LONG L = r.left, T = r.top, R = r.right, B = r.bottom;
    FrameLine(dc, COLOR_BTNHIGHLIGHT, {L, B - 1}, {L, T}, {R, T});
    FrameLine(dc, COLOR_3DLIGHT, {L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1});
    FrameLine(dc, COLOR_3DDKSHADOW, {L, B - 1}, {R - 1, B - 1}, {R - 1, T - 1});
    FrameLine(dc, COLOR_BTNSHADOW, {L + 1, B - 2}, {R - 2, B - 2}, {R - 2, T});
}

void FrameWithColor(HDC dc, const RECT& r, COLORREF color) {
    CBrush brush(color);
    ::FrameRect(dc, &r, brush);
}

// The flat look's thin border: raised, or sunken while pressed.
void DrawThinBorder(CDC& dc, const RECT& rect, bool sunken) {
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (sunken)
        dc.Draw3dRect(rect, shadow, highlight);
    else
        dc.Draw3dRect(rect, highlight, shadow);
}

// The frame around the button, inside the black frame of a non-flat one.
void DrawFrame(CDC& dc, const RECT& rect, const ButtonPaint& paint) {
    if (paint.pressed) {
        if (paint.flat) {
            if (paint.drawBorder) DrawThinBorder(dc, rect, true);
        } else {
            FrameWithColor(dc, rect, ::GetSysColor(COLOR_BTNSHADOW));
        }
    } else if (paint.flat) {
        if (paint.hovered && paint.drawBorder) DrawThinBorder(dc, rect, false);
    } else {
        DrawRaisedFrame(dc, rect);
    }
}

RECT PlaceIn(const ButtonPaint& paint, const RECT& item, RECT* caption, const PaintImage& image) {
    return PlaceImage(paint.layout, paint.text[0] != L'\0', item, paint.client, caption, paint.pressed, image.width,
                      image.height);
}

void DrawIconImage(CDC& dc, const RECT& image, const PaintImage& icon, bool disabled) {
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.icon), 0, image.left, image.top,
                 image.right - image.left, image.bottom - image.top, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void DrawBitmapImage(CDC& dc, POINT at, const PaintImage& bitmap, bool grayed) {
    const int w = static_cast<int>(bitmap.width);
    const int h = static_cast<int>(bitmap.height);
    CDC source, mask;
    if (!source.CreateCompatibleDC(dc) || !mask.CreateCompatibleDC(dc)) return;
    CSelectGuard sourceBitmap(source, bitmap.bitmap);
    CSelectGuard maskBitmap(mask, bitmap.mask);
    // A bitmap without a mask has nothing transparent.
    const bool masked = bitmap.mask != nullptr && maskBitmap.Selected();

    if (grayed) {
        CBitmap work;
        if (!work.CreateCompatibleBitmap(dc, w, h)) return;
        {
            CDC workDC;
            if (!workDC.CreateCompatibleDC(dc)) return;
            CSelectGuard workBitmap(workDC, work);
            workDC.FillSolidRect(CRect(0, 0, w, h), RGB(255, 255, 255));
            if (masked) workDC.BitBlt(0, 0, w, h, mask, 0, 0, SRCAND);
            workDC.BitBlt(0, 0, w, h, source, 0, 0, masked ? SRCPAINT : SRCCOPY);
        }
        // DrawState selects the work bitmap into a DC of its own, so it is
        // out of workDC by now.
        ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<HBITMAP>(work)), 0, at.x, at.y, w, h,
                     DST_BITMAP | DSS_DISABLED);
    } else {
        if (masked) dc.BitBlt(at.x, at.y, w, h, mask, 0, 0, SRCAND);
        dc.BitBlt(at.x, at.y, w, h, source, 0, 0, masked ? SRCPAINT : SRCCOPY);
    }
}

// The caption centred in what the images left of caption.
void DrawCaption(CDC& dc, const ButtonPaint& paint, RECT caption) {
    const wchar_t* text = paint.text;
    const RECT area = PressCaption(paint.layout, caption, paint.pressed);
    RECT extent = area;
    dc.DrawText(text, -1, &extent, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    caption = CentreCaption(area, extent);

    dc.SetBkMode(TRANSPARENT);
    if (paint.disabled) {
        // Embossed: a highlight copy one pixel down-right under the shadow.
        CRect raised(caption);
        raised.OffsetRect(1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(text, -1, &raised, DT_WORDBREAK | DT_CENTER);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(text, -1, &caption, DT_WORDBREAK | DT_CENTER);
        return;
    }
    dc.SetTextColor(paint.ink);
    dc.SetBkColor(paint.inkGround);
    dc.DrawText(text, -1, &caption, DT_WORDBREAK | DT_CENTER);
}

}  // namespace

void PaintButton(HDC target, const RECT& item, const ButtonPaint& paint) {
    CBorrowedDC dc(target);  // borrowed from the caller
    CRect rect(item);
    dc.SetBkMode(TRANSPARENT);

    if (!paint.flat && (paint.focused || paint.isDefault)) {
        FrameWithColor(dc, rect, RGB(0, 0, 0));
        rect.DeflateRect(1, 1);
    }
    if (!paint.parentBackground) {
        CBrush brush(paint.fill);
        ::FillRect(dc, &rect, brush);
    } else if (paint.snapshot != nullptr) {
        dc.BitBlt(0, 0, paint.client.right - paint.client.left, paint.client.bottom - paint.client.top, paint.snapshot,
                  0, 0, SRCCOPY);
    }
    DrawFrame(dc, rect, paint);

    RECT caption = item;
    if (paint.icon.icon != nullptr)
        DrawIconImage(dc, PlaceIn(paint, item, &caption, paint.icon), paint.icon, paint.disabled);
    if (paint.bitmap.bitmap != nullptr) {
        dc.SetBkColor(RGB(255, 255, 255));
        const RECT image = PlaceIn(paint, item, &caption, paint.bitmap);
        DrawBitmapImage(dc, POINT{image.left, image.top}, paint.bitmap, paint.disabled && paint.grayDisabledBitmap);
    }
    if (paint.text[0] != L'\0') DrawCaption(dc, paint, caption);

    if ((!paint.flat || paint.flatFocusRect) && paint.focused) {
        rect.DeflateRect(3, 3);
        dc.DrawFocusRect(rect);
    }
}

}  // namespace flatbutton
