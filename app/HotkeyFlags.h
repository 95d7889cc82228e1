// The hotkey control stores modifiers as HOTKEYF_ flags; RegisterHotKey wants
// MOD_ flags, in another order.
#pragma once

// Shift 0x01 -> MOD_SHIFT 0x04, Ctrl 0x02 -> MOD_CONTROL 0x02, Alt 0x04 ->
// MOD_ALT 0x01. The extended-key flag 0x08 describes the key, not a modifier,
// and is dropped, as are all higher bits.
unsigned HotkeyFlagsToModifiers(unsigned hotkeyFlags);
