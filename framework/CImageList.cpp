#include "framework/CImageList.h"

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (m_hImageList != nullptr) return FALSE;
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::Attach(HIMAGELIST owned) {
    if (m_hImageList != nullptr || owned == nullptr) return FALSE;
    m_hImageList = owned;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    return ::ImageList_Destroy(std::exchange(m_hImageList, nullptr));
}

int CImageList::GetImageCount() const { return m_hImageList != nullptr ? ::ImageList_GetImageCount(m_hImageList) : 0; }

int CImageList::Add(HBITMAP bitmap, COLORREF mask) {
    if (m_hImageList == nullptr || bitmap == nullptr) return -1;
    return ::ImageList_AddMasked(m_hImageList, bitmap, mask);
}

int CImageList::Add(HICON icon) { return Replace(-1, icon); }

int CImageList::Replace(int index, HICON icon) {
    if (m_hImageList == nullptr || icon == nullptr) return -1;
    return ::ImageList_ReplaceIcon(m_hImageList, index, icon);
}

HICON CImageList::ExtractIcon(int index) const {
    if (m_hImageList == nullptr || index < 0 || index >= GetImageCount()) return nullptr;
    return ::ImageList_GetIcon(m_hImageList, index, ILD_NORMAL);
}

BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) const {
    if (m_hImageList == nullptr) return FALSE;
    return ::ImageList_Draw(m_hImageList, index, dc, at.x, at.y, style);
}
