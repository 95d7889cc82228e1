#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// A top-down 32-bit DIB section selected into its own memory DC, for drawing
// tests on real GDI: draw into DC(), then read the pixels back from memory.
class PixelCanvas {
public:
    // The font the DC holds: its own, or a non-antialiased Tahoma whose text
    // pixels carry exactly the text colour.
    enum class Font { Default, Crisp };

    // A colour drawing code hardly ever makes.
    static constexpr COLORREF kUntouched = RGB(255, 0, 255);

    PixelCanvas(int width, int height, COLORREF fill = kUntouched, Font font = Font::Default);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool Ok() const { return m_ok; }
    HDC DC() const { return m_dc; }  // owned by the canvas
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT All() const { return RECT{0, 0, m_width, m_height}; }

    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // Number of pixels inside r (clipped to the canvas) that match.
    int Count(const RECT& r, const std::function<bool(COLORREF)>& match) const;
    int Count(const RECT& r, COLORREF color) const;
    // Smallest rectangle holding every pixel inside r that matches; empty
    // (all zero) when none does.
    RECT Bounds(const RECT& r, const std::function<bool(COLORREF)>& match) const;
    RECT Bounds(const RECT& r, COLORREF color) const;
    // Leftmost / rightmost column inside r holding a pixel other than
    // background; -1 when none does.
    int FirstColumnNot(const RECT& r, COLORREF background) const;
    int LastColumnNot(const RECT& r, COLORREF background) const;

private:
    // The pixel as memory holds it; GDI must have been flushed.
    COLORREF At(int x, int y) const;

    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;  // borrowed: the DC's own, put back on destruction
    HGDIOBJ m_oldFont = nullptr;    // borrowed: the DC's own, put back on destruction
    DWORD* m_bits = nullptr;        // borrowed: the section's memory, freed with m_bitmap
    bool m_ok = false;
};

}  // namespace testsupport
