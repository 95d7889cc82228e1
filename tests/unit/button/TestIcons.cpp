#include "tests/unit/button/TestIcons.h"

#include "framework/CBitmap.h"
#include "framework/CDC.h"

HICON MakeTestIcon(int width, int height, const std::function<COLORREF(int, int)>& colour,
                   const std::function<bool(int, int)>& transparent) {
    CClientDC screen(nullptr);
    CBitmap colourBitmap, maskBitmap;
    if (!colourBitmap.CreateCompatibleBitmap(screen, width, height)) return nullptr;
    if (!maskBitmap.CreateBitmap(width, height, 1, 1, nullptr)) return nullptr;
    CDC dc;
    if (!dc.CreateCompatibleDC(screen)) return nullptr;
    {
        CSelectGuard selected(dc, colourBitmap);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                // Transparent pixels of an icon's colour bitmap are black,
                // so the mask's AND and the colour's XOR leave the background.
                const bool clear = transparent && transparent(x, y);
                dc.SetPixel(x, y, clear ? RGB(0, 0, 0) : colour(x, y));
            }
    }
    {
        CSelectGuard selected(dc, maskBitmap);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                dc.SetPixel(x, y, transparent && transparent(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = maskBitmap;
    info.hbmColor = colourBitmap;
    return ::CreateIconIndirect(&info);
}

HICON MakeSolidIcon(int size, COLORREF colour) {
    return MakeTestIcon(size, size, [colour](int, int) { return colour; });
}

bool ReadIconPixel(HICON icon, int x, int y, COLORREF* colour, bool* transparent) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return false;
    CBitmap colourBitmap(info.hbmColor);
    CBitmap maskBitmap(info.hbmMask);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr)) return false;
    {
        CSelectGuard selected(dc, colourBitmap);
        if (!selected.Selected()) return false;
        *colour = dc.GetPixel(x, y);
    }
    {
        CSelectGuard selected(dc, maskBitmap);
        if (!selected.Selected()) return false;
        *transparent = dc.GetPixel(x, y) != RGB(0, 0, 0);
    }
    return true;
}
