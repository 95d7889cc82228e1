// A device context. A DC the object created (CreateCompatibleDC) is owned and
// deleted with it; a DC attached from elsewhere is borrowed and only let go.
// CPaintDC and CClientDC are the scoped guards of BeginPaint and GetDC.
#pragma once
#include <utility>

#include "framework/Afx.h"
#include "framework/CRect.h"

class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(CDC&& other) noexcept
        : m_hDC(std::exchange(other.m_hDC, nullptr)), m_owned(std::exchange(other.m_owned, false)) {}
    CDC& operator=(CDC&& other) noexcept {
        if (this != &other) {
            DeleteDC();
            m_hDC = std::exchange(other.m_hDC, nullptr);
            m_owned = std::exchange(other.m_owned, false);
        }
        return *this;
    }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A memory DC compatible with reference (the screen when null); owned.
    bool CreateCompatibleDC(HDC reference);
    // Borrows dc: the caller keeps ownership.
    bool Attach(HDC borrowed);
    HDC Detach();
    // Deletes an owned DC; a borrowed one is only let go.
    void DeleteDC();

    void FillSolidRect(const RECT& rect, COLORREF color);
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    int DrawText(const wchar_t* text, int length, RECT* rect, UINT format) {
        return ::DrawTextW(m_hDC, text, length, rect, format);
    }
    BOOL BitBlt(int x, int y, int w, int h, HDC source, int sx, int sy, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, source, sx, sy, rop);
    }
    void DrawFocusRect(const RECT& rect) { ::DrawFocusRect(m_hDC, &rect); }
    BOOL DrawEdge(RECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, &rect, edge, flags); }

protected:
    bool m_owned = false;
};

// Selects an object into a DC and selects the previous one back on scope exit.
class CSelectGuard {
public:
    CSelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~CSelectGuard() {
        if (m_previous != nullptr && m_previous != HGDI_ERROR) ::SelectObject(m_dc, m_previous);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;
    bool Selected() const { return m_previous != nullptr && m_previous != HGDI_ERROR; }

private:
    HDC m_dc;            // borrowed: the guard lives inside the DC's scope
    HGDIOBJ m_previous;  // borrowed: belongs to whoever selected it first
};

// BeginPaint ... EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd) { Attach(::BeginPaint(hwnd, &m_ps)); }
    ~CPaintDC() override {
        Detach();
        ::EndPaint(m_hwnd, &m_ps);
    }
    PAINTSTRUCT m_ps = {};

private:
    HWND m_hwnd;  // borrowed: the window being painted
};

// GetDC ... ReleaseDC (a null window gives the screen DC).
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hwnd) : m_hwnd(hwnd) { Attach(::GetDC(hwnd)); }
    ~CClientDC() override {
        HDC dc = Detach();
        if (dc != nullptr) ::ReleaseDC(m_hwnd, dc);
    }

private:
    HWND m_hwnd;  // borrowed: the window whose DC this is
};
