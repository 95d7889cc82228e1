// Double buffer for painting one menu item: drawing goes to a memory DC of
// its own, in item coordinates, and the destructor copies the finished item
// onto the target in one BitBlt. On a printer, or when no buffer can be had,
// the item is drawn straight onto the target.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

class OffscreenItemDC {
public:
    OffscreenItemDC(CDC* target, const RECT& rect);
    ~OffscreenItemDC();
    OffscreenItemDC(const OffscreenItemDC&) = delete;
    OffscreenItemDC& operator=(const OffscreenItemDC&) = delete;

    // Where the item is drawn: the buffer, or the target without one.
    CDC* Dc() { return m_isOffscreen ? &m_memory : m_target; }

private:
    CDC m_memory;
    CBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;  // borrowed: what the memory DC held first
    CDC* m_target;                       // borrowed: the item's DC
    RECT m_rect;
    bool m_isOffscreen = false;
};
