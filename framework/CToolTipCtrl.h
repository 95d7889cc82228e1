// Tool tip control. Owners relay mouse messages to it themselves
// (RelayEvent), so tools are added without subclassing.
#pragma once
#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate) { ::SendMessageW(m_hWnd, TTM_ACTIVATE, activate, 0); }
    // Without an id: the tool is the window itself, identified by its
    // handle. With one: an area of the window, in client coordinates.
    BOOL AddTool(CWnd* window, const wchar_t* text, const RECT* area = nullptr, UINT_PTR id = 0);
    // The control reads mouse messages alone; the rest, a hotkey among them,
    // are spared a round through its window procedure.
    void RelayEvent(MSG* msg) {
        if ((msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) || msg->message == WM_NCMOUSEMOVE)
            ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }
    void SetMaxTipWidth(int width) { ::SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, width); }
    int GetToolCount() const { return static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0)); }
};
