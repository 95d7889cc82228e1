// The programs the user keeps on top, by file name ("SheetView.exe"), in the
// order the rules were made. A plain value: the tray menu lists it, new
// windows are checked against it, the save flow stores it.
#pragma once
#include <cstddef>
#include <string>

enum class PinRuleChange {
    Done,
    AlreadyThere,  // a rule for that name exists, whatever its case
    Full,          // kMaxRules rules exist: the new one is refused
    Invalid,       // empty, too long, or not a bare file name
};

class PinRules {
public:
    using PinRuleChange = ::PinRuleChange;

    // What is kept is bounded, so that the stored form and each look-up stay
    // small whatever a user or a damaged resource does.
    static constexpr std::size_t kMaxRules = 32;
    // In UTF-16 units, without the terminator: the longest file name a
    // path of MAX_PATH can end in.
    static constexpr std::size_t kMaxNameLength = 259;

    std::size_t Count() const { return m_count; }
    // Zero-terminated, valid until the rules change; index < Count().
    const wchar_t* At(std::size_t index) const;

    // Names compare as Windows compares file names: without regard to case.
    bool Contains(const wchar_t* fileName) const;
    PinRuleChange Add(const wchar_t* fileName);
    // False when there was no such rule.
    bool Remove(const wchar_t* fileName);
    void Clear() {
        m_names.clear();
        m_count = 0;
    }

    // Exact: the same names, spelt alike, in the same order.
    bool operator==(const PinRules& other) const { return m_names == other.m_names; }
    bool operator!=(const PinRules& other) const { return !(*this == other); }

private:
    // Where the rule for fileName starts in m_names; npos when there is none.
    std::size_t OffsetOf(const wchar_t* fileName) const;

    // Every name followed by its terminator, one after the other: one block
    // instead of a string each, which keeps the code that ships small.
    std::wstring m_names;
    std::size_t m_count = 0;
};
