// Double buffer for painting one menu item: drawing goes to a memory bitmap
// in item coordinates, and the destructor copies the finished item onto
// the target in one BitBlt. On a printer it draws straight to the target.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

class OffscreenItemDC : public CDC {
public:
    OffscreenItemDC(CDC* target, const RECT& rect);
    ~OffscreenItemDC() override;
    OffscreenItemDC(const OffscreenItemDC&) = delete;
    OffscreenItemDC& operator=(const OffscreenItemDC&) = delete;

    bool IsOffscreen() const { return m_isOffscreen != FALSE; }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;  // borrowed: what the memory DC held first
    CDC* m_target;                       // borrowed: the item's DC
    RECT m_rect;
    BOOL m_isOffscreen = FALSE;
};
