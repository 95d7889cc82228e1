// Owner of one image list: destroyed in the destructor. Move-only, so that a
// transfer of the list is explicit in the code.
#pragma once
#include <utility>

#include "framework/Afx.h"

class CImageList {
public:
    CImageList() = default;
    explicit CImageList(HIMAGELIST owned) : m_hImageList(owned) {}
    virtual ~CImageList() { DeleteImageList(); }
    CImageList(CImageList&& other) noexcept : m_hImageList(std::exchange(other.m_hImageList, nullptr)) {}
    CImageList& operator=(CImageList&& other) noexcept {
        if (this != &other) {
            DeleteImageList();
            m_hImageList = std::exchange(other.m_hImageList, nullptr);
        }
        return *this;
    }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // Pictures of cx x cy; false when this object already owns a list.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // Takes ownership; false if this object already owns one.
    BOOL Attach(HIMAGELIST owned);
    // Gives up ownership to the caller.
    HIMAGELIST Detach() { return std::exchange(m_hImageList, nullptr); }
    BOOL DeleteImageList();

    int GetImageCount() const;
    // Appends the bitmap, cut into as many pictures as fit side by side, with
    // mask colour made transparent; index of the first picture or -1.
    int Add(HBITMAP bitmap, COLORREF mask);
    // Appends an icon (copied); its index or -1.
    int Add(HICON icon);
    // Replaces picture index by a copy of the icon; index or -1.
    int Replace(int index, HICON icon);
    // A new icon of picture index, owned by the caller; null when none.
    HICON ExtractIcon(int index) const;
    BOOL Draw(HDC dc, int index, POINT at, UINT style) const;
};
