// The process entry point lives in the framework: the application supplies
// only its application object.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return CWinApp::AfxWinMain(instance); }
