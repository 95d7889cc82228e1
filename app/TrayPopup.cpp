#include "app/TrayPopup.h"

void TrackTrayPopup(CMenu& popup, POINT at, CWnd& owner) {
    popup.TrackPopupMenu(0, at.x, at.y, &owner);
    owner.PostMessage(WM_NULL);
}
