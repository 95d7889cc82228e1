// A dialog from a template resource, run modally by the framework's own
// message loop: each message is offered to PreTranslateMessage of its target
// window's object and then of each parent up to the dialog; what nobody took
// goes to the dialog manager, then is translated and dispatched.
#pragma once
#include "framework/Afx.h"
#include "framework/CWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
    DECLARE_MESSAGE_MAP()
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog; returns the value given to EndDialog, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT TemplateId() const { return m_templateId; }
    bool InModalLoop() const { return m_inModalLoop; }

protected:
    // Offers msg to the objects from its window up to this dialog; true when
    // one consumed it.
    bool WalkPreTranslateTree(MSG* msg);
    // One message of the modal loop: pre-translation, dialog manager,
    // dispatch.
    void PumpMessage(MSG* msg);

    // Ends the modal loop when the window goes without EndDialog.
    void PostNcDestroy() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FindOwner() const;
    void RunModalLoop();

    UINT m_templateId;
    CWnd* m_pParentWnd;  // not owned
    INT_PTR m_modalResult = -1;
    bool m_inModalLoop = false;
};
