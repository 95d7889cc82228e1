#include "ui/menu/draw/OffscreenItemDC.h"

namespace {

bool IsPrinting(HDC dc) { return ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

}  // namespace

OffscreenItemDC::OffscreenItemDC(CDC* target, const RECT& rect) : m_target(target), m_rect(rect) {
    if (target == nullptr || target->m_hDC == nullptr || IsPrinting(target->m_hDC)) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Without a buffer the item is drawn straight onto the target.
    if (width <= 0 || height <= 0 || !m_memory.CreateCompatibleDC(target->m_hDC) ||
        !m_bitmap.CreateCompatibleBitmap(target->m_hDC, width, height)) {
        return;
    }
    m_previousBitmap = ::SelectObject(m_memory, m_bitmap);
    ::SetWindowOrgEx(m_memory, rect.left, rect.top, nullptr);
    m_isOffscreen = true;
}

OffscreenItemDC::~OffscreenItemDC() {
    if (!m_isOffscreen) return;
    ::BitBlt(m_target->m_hDC, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_memory,
             m_rect.left, m_rect.top, SRCCOPY);
    // The bitmap leaves the memory DC before either is deleted.
    ::SelectObject(m_memory, m_previousBitmap);
}
