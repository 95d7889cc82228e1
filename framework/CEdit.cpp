#include "framework/CEdit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
