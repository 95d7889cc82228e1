#include "tests/unit/menu/MenuTestSupport.h"

namespace menutest {

namespace {

DWORD ToPixel(Color c) {
    return (static_cast<DWORD>(tessel::RedOf(c)) << 16) |
           (static_cast<DWORD>(tessel::GreenOf(c)) << 8) | static_cast<DWORD>(tessel::BlueOf(c));
}

}  // namespace

Canvas::Canvas(int width, int height, Color fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    if (ok()) Fill(fill);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::Fill(Color c) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToPixel(c);
}

void Canvas::Set(int x, int y, Color c) {
    GdiFlush();
    bits_[y * width_ + x] = ToPixel(c);
}

Color Canvas::Get(int x, int y) const {
    GdiFlush();
    const DWORD p = bits_[y * width_ + x];
    return tessel::MakeColor((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Canvas::Count(Color c, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (Get(x, y) == c) ++n;
    return n;
}

int Canvas::FirstColumnNot(Color background, int left, int top, int right, int bottom) const {
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (Get(x, y) != background) return x;
    return -1;
}

int Canvas::LastColumnNot(Color background, int left, int top, int right, int bottom) const {
    for (int x = right - 1; x >= left; --x)
        for (int y = top; y < bottom; ++y)
            if (Get(x, y) != background) return x;
    return -1;
}

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
