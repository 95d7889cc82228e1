#include "CHotKeyCtrl.h"

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)
