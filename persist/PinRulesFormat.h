// The stored form of the pin rules: HOTKEY/145 of the program holds it, and
// HOTKEY/105 of the update request carries it to the updater, which writes
// it into the program as it is. Numbers are little-endian:
//
//   "ZVR1"          4 bytes: the form and its version
//   count           16 bits, 0 to PinRules::kMaxRules
//   count times:
//     length        16 bits: UTF-16 units, 1 to PinRules::kMaxNameLength
//     name          length UTF-16 units, no terminating zero
//
// and nothing after. No rules is the tag and a count of 0, never an empty
// resource: UpdateResource takes no bytes for a deletion.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

#include "persist/PinRules.h"

// Replaces out with the stored form of rules.
void EncodePinRules(const PinRules& rules, std::vector<unsigned char>& out);

// Reads no byte past size, whatever the bytes hold. Any damage (another tag,
// a count past the bound, a length past the end, bytes after the last rule,
// a name no rule may hold, a name twice) gives false and no rules at all:
// a rule that survived damage could pin what the user never chose.
bool DecodePinRules(const void* data, std::size_t size, PinRules& out);

// The rules module keeps in its own resources; false, with no rules, when
// there are none stored or what is stored is damaged.
bool ReadStoredPinRules(HMODULE module, PinRules& out);
