#include "framework/CHotKeyCtrl.h"

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)
