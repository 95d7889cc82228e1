// The application object: one running copy per desktop, and the clean-up of
// a leftover updater before anything is shown.
#pragma once
#include "framework/CWinApp.h"

class CPinApp : public CWinApp {
    DECLARE_MESSAGE_MAP()
public:
    CPinApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;
};
