// Device contexts, with their ownership in the type. A CDC owns its DC: one
// it created (CreateCompatibleDC) is deleted with it. A DC the system lends
// (an owner-drawn item's, a paint's, a window's) is drawn on through a
// CBorrowedDC, which never deletes it; CPaintDC and CClientDC are the
// borrowed DCs of BeginPaint and GetDC, handed back when they go.
#pragma once
#include <utility>

#include "framework/Afx.h"
#include "framework/CRect.h"

class CDC {
public:
    CDC() = default;
    virtual ~CDC() { CDC::DeleteDC(); }
    // Neither copied nor moved: a DC stays with the object that holds it,
    // and no owner can be sliced out of a borrowed DC.
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A memory DC compatible with reference (the screen when null).
    bool CreateCompatibleDC(HDC reference);
    // Lets go of the DC without deleting it and hands it to the caller.
    HDC Detach() { return std::exchange(m_hDC, nullptr); }
    // Deletes the DC; a borrowed one is only let go.
    virtual void DeleteDC();

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
};

// A DC the system lends for the object's life: drawn on, never deleted.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC lent) { m_hDC = lent; }
    ~CBorrowedDC() override { m_hDC = nullptr; }
    void DeleteDC() override { m_hDC = nullptr; }

protected:
    // For the guards below, which borrow in their constructor's body.
    CBorrowedDC() = default;
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
class CPaintDC : public CBorrowedDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd) { m_hDC = ::BeginPaint(hwnd, &m_ps); }
    ~CPaintDC() override { ::EndPaint(m_hwnd, &m_ps); }
    PAINTSTRUCT m_ps = {};

private:
    HWND m_hwnd;  // borrowed: the window being painted
};

// GetDC ... ReleaseDC (a null window gives the screen DC).
class CClientDC : public CBorrowedDC {
public:
    explicit CClientDC(HWND hwnd) : m_hwnd(hwnd) { m_hDC = ::GetDC(hwnd); }
    ~CClientDC() override {
        if (m_hDC != nullptr) ::ReleaseDC(m_hwnd, m_hDC);
    }

private:
    HWND m_hwnd;  // borrowed: the window whose DC this is
};
