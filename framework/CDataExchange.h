// Binding of dialog controls to member objects.
#pragma once
#include "framework/Afx.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;  // not owned
    bool m_bSaveAndValidate;
    // Set when a binding failed, so the caller can tell.
    bool m_failed = false;
};

// Binds control id to the object: subclasses the control once, calling the
// object's PreSubclassWindow first. A missing control marks the exchange failed.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
