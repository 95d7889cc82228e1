#include "framework/CDC.h"

bool CDC::CreateCompatibleDC(HDC reference) {
    if (m_hDC != nullptr) return false;
    m_hDC = ::CreateCompatibleDC(reference);
    return m_hDC != nullptr;
}

void CDC::DeleteDC() {
    HDC dc = std::exchange(m_hDC, nullptr);
    if (dc != nullptr) ::DeleteDC(dc);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color) {
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    int x = rect.left, y = rect.top, w = rect.right - rect.left, h = rect.bottom - rect.top;
    FillSolidRect(CRect(x, y, x + w - 1, y + 1), topLeft);
    FillSolidRect(CRect(x, y, x + 1, y + h - 1), topLeft);
    FillSolidRect(CRect(x + w - 1, y, x + w, y + h), bottomRight);
    FillSolidRect(CRect(x, y + h - 1, x + w, y + h), bottomRight);
}
