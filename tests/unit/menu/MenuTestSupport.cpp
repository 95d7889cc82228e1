#include "tests/unit/menu/MenuTestSupport.h"

namespace menutest {

HBITMAP MakeBitmap(int w, int h, Color fill, RECT inner, Color innerColor) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, w, h};
    HBRUSH a = CreateSolidBrush(fill);
    FillRect(dc, &all, a);
    DeleteObject(a);
    if (inner.right > inner.left) {
        HBRUSH b = CreateSolidBrush(innerColor);
        FillRect(dc, &inner, b);
        DeleteObject(b);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

CImageList MakePictureList(const std::vector<Color>& colors, int w, int h) {
    CImageList list;
    list.Create(w, h, ILC_COLORDDB | ILC_MASK, 1, 1);
    for (Color c : colors) {
        HBITMAP bitmap = MakeBitmap(w, h, GetSysColor(COLOR_BTNFACE), RECT{1, 1, w - 1, h - 1}, c);
        list.Add(bitmap, GetSysColor(COLOR_BTNFACE));
        DeleteObject(bitmap);
    }
    return list;
}

Color SysColor(int index) { return GetSysColor(index); }

HFONT MenuFont() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

}  // namespace menutest
