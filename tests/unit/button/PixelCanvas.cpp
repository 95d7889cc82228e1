#include "tests/unit/button/PixelCanvas.h"

#include <algorithm>

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    if (!m_dc.CreateCompatibleDC(nullptr)) return;
    if (!m_bitmap.Attach(::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0))) return;
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);

    LOGFONTW lf = {};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    if (!m_font.CreateFontIndirect(&lf)) return;
    m_oldFont = ::SelectObject(m_dc, m_font);
    Fill(fill);
    m_ok = true;
}

PixelCanvas::~PixelCanvas() {
    if (m_oldFont != nullptr) ::SelectObject(m_dc, m_oldFont);
    if (m_oldBitmap != nullptr) ::SelectObject(m_dc, m_oldBitmap);
}

COLORREF PixelCanvas::Pixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }

void PixelCanvas::Fill(COLORREF color) { m_dc.FillSolidRect(RECT{0, 0, m_width, m_height}, color); }

int PixelCanvas::Count(const RECT& r, const std::function<bool(COLORREF)>& match) const {
    int n = 0;
    for (int y = std::max(0, int(r.top)); y < std::min(m_height, int(r.bottom)); ++y)
        for (int x = std::max(0, int(r.left)); x < std::min(m_width, int(r.right)); ++x)
            if (match(Pixel(x, y))) ++n;
    return n;
}

int PixelCanvas::Count(const RECT& r, COLORREF color) const {
    return Count(r, [color](COLORREF c) { return c == color; });
}

RECT PixelCanvas::Bounds(const RECT& r, const std::function<bool(COLORREF)>& match) const {
    RECT b = {m_width, m_height, -1, -1};
    for (int y = std::max(0, int(r.top)); y < std::min(m_height, int(r.bottom)); ++y)
        for (int x = std::max(0, int(r.left)); x < std::min(m_width, int(r.right)); ++x)
            if (match(Pixel(x, y))) {
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
