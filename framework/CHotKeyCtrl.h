// The common hotkey control. Its value packs the virtual key in the low byte
// and the HOTKEYF_ modifier flags in the next byte.
#pragma once
#include "framework/CWnd.h"

class CHotKeyCtrl : public CWnd {
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    void SetHotKey(WORD virtualKey, WORD modifiers) {
        ::SendMessageW(m_hWnd, HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers), 0);
    }
    DWORD GetHotKey() const { return static_cast<DWORD>(::SendMessageW(m_hWnd, HKM_GETHOTKEY, 0, 0)); }
};
