#pragma once
#include "framework/CGdiObject.h"

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    bool CreateFontIndirect(const LOGFONTW* font) { return Attach(::CreateFontIndirectW(font)); }
};
