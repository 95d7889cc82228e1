// Other programs' window titles as this program shows them; plain values.
#pragma once
#include <cstddef>

// Cuts the title of length units in place to at most maxUnits, which its
// buffer has room for with a terminating zero: a longer title keeps its
// beginning and ends in "…", never between the two halves of a surrogate
// pair. Returns the new length.
std::size_t ShortenTitle(wchar_t* title, std::size_t length, std::size_t maxUnits);

// The text as a menu caption of at most size units with its terminator:
// each "&" doubled, so that it shows as itself and marks no mnemonic. What
// does not fit is left out.
void EscapeMnemonics(const wchar_t* text, wchar_t* out, std::size_t size);
