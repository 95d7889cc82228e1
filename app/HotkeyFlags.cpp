#include "app/HotkeyFlags.h"

#include <windows.h>
#include <commctrl.h>

unsigned HotkeyFlagsToModifiers(unsigned hotkeyFlags) {
    unsigned modifiers = 0;
    if (hotkeyFlags & HOTKEYF_SHIFT) modifiers |= MOD_SHIFT;
    if (hotkeyFlags & HOTKEYF_CONTROL) modifiers |= MOD_CONTROL;
    if (hotkeyFlags & HOTKEYF_ALT) modifiers |= MOD_ALT;
    return modifiers;
}
