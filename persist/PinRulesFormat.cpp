#include "persist/PinRulesFormat.h"

#include <cwchar>
#include <string>

#include "common/ResourceView.h"
#include "common/SharedContract.h"

namespace {

// "ZVR1", as the two units it is stored in.
const wchar_t kTag[2] = {'Z' | 'V' << 8, 'R' | '1' << 8};

// The stored form is read in UTF-16 units, whatever the alignment of bytes.
unsigned UnitAt(const unsigned char* bytes, std::size_t index) {
    return bytes[2 * index] | static_cast<unsigned>(bytes[2 * index + 1]) << 8;
}

bool DecodeInto(const unsigned char* bytes, std::size_t size, PinRules& out) {
    const std::size_t units = size / 2;
    if (bytes == nullptr || size % 2 != 0 || units < 3 || UnitAt(bytes, 0) != kTag[0] || UnitAt(bytes, 1) != kTag[1])
        return false;
    // Past the bound, Add refuses the rule after the last one kept.
    const unsigned count = UnitAt(bytes, 2);
    std::size_t next = 3;
    wchar_t name[PinRules::kMaxNameLength + 1];
    for (unsigned rule = 0; rule < count; ++rule) {
        if (next == units) return false;
        const std::size_t length = UnitAt(bytes, next++);
        if (length > PinRules::kMaxNameLength || units - next < length) return false;
        for (std::size_t i = 0; i < length; ++i) name[i] = static_cast<wchar_t>(UnitAt(bytes, next++));
        name[length] = L'\0';
        // A zero inside would cut the name short, turning damage into
        // another, valid, name.
        if (std::wcslen(name) != length || out.Add(name) != PinRuleChange::Done) return false;
    }
    return next == units;
}

}  // namespace

void EncodePinRules(const PinRules& rules, std::vector<unsigned char>& out) {
    // Built in UTF-16 units, which Windows keeps low byte first.
    std::wstring units(kTag, 2);
    units += static_cast<wchar_t>(rules.Count());
    for (std::size_t rule = 0; rule < rules.Count(); ++rule) {
        const wchar_t* name = rules.At(rule);
        const std::size_t length = std::wcslen(name);
        units += static_cast<wchar_t>(length);
        units.append(name, length);
    }
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(units.data());
    out.assign(bytes, bytes + units.size() * sizeof(wchar_t));
}

bool DecodePinRules(const void* data, std::size_t size, PinRules& out) {
    out.Clear();
    if (DecodeInto(static_cast<const unsigned char*>(data), size, out)) return true;
    out.Clear();
    return false;
}

bool ReadStoredPinRules(HMODULE module, PinRules& out) {
    const ResourceView stored =
        FindModuleResource(module, MAKEINTRESOURCEA(contract::kSavedPinRulesId), contract::kHotkeyResourceType);
    return DecodePinRules(stored.data, stored.size, out);
}
