// A 32-bit memory bitmap with its DC, for drawing tests: draw into DC(),
// then read the pixels back.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CFont.h"

class PixelCanvas {
public:
    // The DC holds a non-antialiased Tahoma, so text pixels carry exactly
    // the text colour.
    PixelCanvas(int width, int height, COLORREF fill);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    bool Ok() const { return m_ok; }
    HDC DC() const { return m_dc.GetSafeHdc(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);

    // Number of pixels inside r matching the predicate.
    int Count(const RECT& r, const std::function<bool(COLORREF)>& match) const;
    int Count(const RECT& r, COLORREF color) const;
    // Smallest rectangle holding every pixel inside r that matches; empty
    // (all zero) when none does.
    RECT Bounds(const RECT& r, const std::function<bool(COLORREF)>& match) const;
    RECT Bounds(const RECT& r, COLORREF color) const;
    RECT All() const { return RECT{0, 0, m_width, m_height}; }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    CFont m_font;
    HGDIOBJ m_oldBitmap = nullptr;  // borrowed: the DC's own, put back on destruction
    HGDIOBJ m_oldFont = nullptr;    // borrowed: the DC's own, put back on destruction
    bool m_ok = false;
};
