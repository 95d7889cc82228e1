// A button's hover and click sounds. The sound library is loaded from the
// system folder with the first sound rather than at start: a program whose
// buttons make no sound never loads it, nor what it brings with it.
#pragma once
#include <windows.h>

// What PlaySoundA would return; false too when the library is missing.
bool PlayButtonSound(const char* sound, HMODULE module, DWORD flags);
