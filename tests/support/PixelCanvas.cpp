#include "tests/support/PixelCanvas.h"

#include <algorithm>

namespace testsupport {

namespace {

// A DIB section holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
DWORD ToMemory(COLORREF color) {
    return (static_cast<DWORD>(GetRValue(color)) << 16) | (static_cast<DWORD>(GetGValue(color)) << 8) |
           GetBValue(color);
}

HFONT CreateCrispFont() {
    LOGFONTW lf = {};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    return CreateFontIndirectW(&lf);
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill, Font font) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_dc = CreateCompatibleDC(nullptr);
    if (m_dc == nullptr) return;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_bitmap == nullptr || bits == nullptr) return;
    m_bits = static_cast<DWORD*>(bits);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    if (font == Font::Crisp) {
        m_font = CreateCrispFont();
        if (m_font == nullptr) return;
        m_oldFont = SelectObject(m_dc, m_font);
    }
    std::fill(m_bits, m_bits + width * height, ToMemory(fill));
    m_ok = true;
}

PixelCanvas::~PixelCanvas() {
    if (m_oldFont != nullptr) SelectObject(m_dc, m_oldFont);
    if (m_oldBitmap != nullptr) SelectObject(m_dc, m_oldBitmap);
    if (m_font != nullptr) DeleteObject(m_font);
    if (m_bitmap != nullptr) DeleteObject(m_bitmap);
    if (m_dc != nullptr) DeleteDC(m_dc);
}

COLORREF PixelCanvas::At(int x, int y) const {
    const DWORD p = m_bits[y * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF PixelCanvas::Pixel(int x, int y) const {
    GdiFlush();
    return At(x, y);
}

void PixelCanvas::SetPixel(int x, int y, COLORREF color) {
    GdiFlush();
    m_bits[y * m_width + x] = ToMemory(color);
}

int PixelCanvas::Count(const RECT& r, const std::function<bool(COLORREF)>& match) const {
    GdiFlush();
    int n = 0;
    for (int y = std::max(0, int(r.top)); y < std::min(m_height, int(r.bottom)); ++y)
        for (int x = std::max(0, int(r.left)); x < std::min(m_width, int(r.right)); ++x)
            if (match(At(x, y))) ++n;
    return n;
}

int PixelCanvas::Count(const RECT& r, COLORREF color) const {
    return Count(r, [color](COLORREF c) { return c == color; });
}

RECT PixelCanvas::Bounds(const RECT& r, const std::function<bool(COLORREF)>& match) const {
    GdiFlush();
    RECT b = {m_width, m_height, -1, -1};
    for (int y = std::max(0, int(r.top)); y < std::min(m_height, int(r.bottom)); ++y)
        for (int x = std::max(0, int(r.left)); x < std::min(m_width, int(r.right)); ++x)
            if (match(At(x, y))) {
                b.left = std::min<LONG>(b.left, x);
                b.top = std::min<LONG>(b.top, y);
                b.right = std::max<LONG>(b.right, x + 1);
                b.bottom = std::max<LONG>(b.bottom, y + 1);
            }
    if (b.right < 0) return RECT{0, 0, 0, 0};
    return b;
}

RECT PixelCanvas::Bounds(const RECT& r, COLORREF color) const {
    return Bounds(r, [color](COLORREF c) { return c == color; });
}

int PixelCanvas::FirstColumnNot(const RECT& r, COLORREF background) const {
    const RECT b = Bounds(r, [background](COLORREF c) { return c != background; });
    return IsRectEmpty(&b) ? -1 : b.left;
}

int PixelCanvas::LastColumnNot(const RECT& r, COLORREF background) const {
    const RECT b = Bounds(r, [background](COLORREF c) { return c != background; });
    return IsRectEmpty(&b) ? -1 : b.right - 1;
}

}  // namespace testsupport
