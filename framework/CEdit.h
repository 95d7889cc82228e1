// Edit control.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    void SetSel(int start, int end) { ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end); }
    void SetReadOnly(BOOL readOnly = TRUE) { ::SendMessageW(m_hWnd, EM_SETREADONLY, readOnly, 0); }
};
