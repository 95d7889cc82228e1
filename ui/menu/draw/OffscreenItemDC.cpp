#include "ui/menu/draw/OffscreenItemDC.h"

namespace {

bool IsPrinting(HDC dc) { return ::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

}  // namespace

OffscreenItemDC::OffscreenItemDC(CDC* target, const RECT& rect) : m_target(target), m_rect(rect) {
    if (target == nullptr || target->m_hDC == nullptr) return;
    if (IsPrinting(target->m_hDC)) {
        Attach(target->m_hDC);
        return;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Without a buffer the item is drawn straight onto the target.
    if (width <= 0 || height <= 0 || !CreateCompatibleDC(target->m_hDC) ||
        !m_bitmap.CreateCompatibleBitmap(target->m_hDC, width, height)) {
        DeleteDC();
        Attach(target->m_hDC);
        return;
    }
    m_previousBitmap = ::SelectObject(m_hDC, m_bitmap);
    ::SetWindowOrgEx(m_hDC, rect.left, rect.top, nullptr);
    m_isOffscreen = TRUE;
}

OffscreenItemDC::~OffscreenItemDC() {
    if (m_isOffscreen) {
        ::BitBlt(m_target->m_hDC, m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                 m_rect.bottom - m_rect.top, m_hDC, m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_previousBitmap);
    } else {
        Detach();
    }
    DeleteDC();
    m_bitmap.DeleteObject();
}
