#pragma once
#include "framework/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    bool CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    bool CreatePatternBrush(HBITMAP pattern) { return Attach(::CreatePatternBrush(pattern)); }
};
