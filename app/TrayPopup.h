// The menu of a notification-area icon.
#pragma once
#include "framework/CMenu.h"
#include "framework/CWnd.h"

// Tracks popup at the screen point for owner, the icon's window, which the
// caller has made the foreground window. A menu of a tray icon closes on a
// click elsewhere only when its window has a message to process after the
// tracking ends: a null message is posted for that.
void TrackTrayPopup(CMenu& popup, POINT at, CWnd& owner);
