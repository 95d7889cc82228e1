#pragma once
#include "framework/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;
    explicit CBitmap(HBITMAP owned) : CGdiObject(owned) {}
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    bool CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    bool CreateCompatibleBitmap(HDC dc, int width, int height) {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
    bool LoadBitmap(UINT id) { return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id))); }
    bool GetBitmap(BITMAP* info) const {
        return m_hObject != nullptr && ::GetObjectW(m_hObject, sizeof(BITMAP), info) == sizeof(BITMAP);
    }
};
