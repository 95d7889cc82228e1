#pragma once
#include "framework/CGdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    bool CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
};
