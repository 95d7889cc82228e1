// A flat button whose protected state the tests can set and read: the
// settings this system leaves at their defaults, the hover state and the
// state of the last paint.
#pragma once
#include "ui/button/CFlatButton.h"

class FlatButtonProbe : public CFlatButton {
public:
    using CFlatButton::m_bgDC;
    using CFlatButton::m_bitmaps;
    using CFlatButton::m_checked;
    using CFlatButton::m_clickSound;
    using CFlatButton::m_cursor;
    using CFlatButton::m_drawBorder;
    using CFlatButton::m_dropMenu;
    using CFlatButton::m_flatFocusRect;
    using CFlatButton::m_hasFocus;
    using CFlatButton::m_hoverAlways;
    using CFlatButton::m_hoverSound;
    using CFlatButton::m_imageAlign;
    using CFlatButton::m_isDefault;
    using CFlatButton::m_isDisabled;
    using CFlatButton::m_isFlat;
    using CFlatButton::m_isPressed;
    using CFlatButton::m_linkTarget;
    using CFlatButton::m_menuNotify;
    using CFlatButton::m_menuShown;
    using CFlatButton::m_menuTarget;
    using CFlatButton::m_pointerOver;
    using CFlatButton::m_toolTip;
    using CFlatButton::m_useParentBackground;
};
