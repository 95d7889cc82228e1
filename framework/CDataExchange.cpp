#include "framework/CDataExchange.h"

#include "framework/CWnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd != nullptr) return;  // bound on an earlier exchange
    if (!control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd)) dx->m_failed = true;
}
