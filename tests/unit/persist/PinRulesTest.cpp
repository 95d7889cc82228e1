// The pin rules and their stored form.
#include "persist/PinRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "persist/PinRulesFormat.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::wstring>;

PinRules RulesOf(const Names& names) {
    PinRules rules;
    for (const std::wstring& name : names) EXPECT_EQ(rules.Add(name.c_str()), PinRuleChange::Done);
    return rules;
}

Names Numbered(std::size_t count) {
    Names names;
    while (names.size() < count) names.push_back(L"p" + std::to_wstring(names.size()) + L".exe");
    return names;
}

// The stored form written out by hand, as the header describes it.
Bytes Stored(const Names& names, std::size_t count, const char* tag = "ZVR1") {
    std::wstring units(1, static_cast<wchar_t>(count));
    for (const std::wstring& name : names) units += static_cast<wchar_t>(name.size()) + name;
    Bytes bytes(tag, tag + 4);
    for (const wchar_t unit : units)
        bytes.insert(bytes.end(), {static_cast<unsigned char>(unit), static_cast<unsigned char>(unit >> 8)});
    return bytes;
}
Bytes Stored(const Names& names) { return Stored(names, names.size()); }

const std::wstring kLongest(PinRules::kMaxNameLength, L'n');

}  // namespace

TEST(PinRules, FindsAndRemovesNamesRegardlessOfCase) {
    PinRules rules = RulesOf({L"SheetView.exe", L"\x0416.exe"});  // Cyrillic zhe
    EXPECT_TRUE(rules.Contains(L"\x0436.EXE"));
    EXPECT_FALSE(rules.Contains(L"SheetView.ex"));
    EXPECT_EQ(rules.Add(L"SHEETVIEW.EXE"), PinRuleChange::AlreadyThere);
    EXPECT_TRUE(rules.Remove(L"sHEETvIEW.exe"));
    EXPECT_FALSE(rules.Remove(L"SheetView.exe"));
    EXPECT_EQ(rules, RulesOf({L"\x0416.exe"}));
    EXPECT_EQ(RulesOf(Numbered(PinRules::kMaxRules)).Add(L"one-more.exe"), PinRuleChange::Full);
}

TEST(PinRulesFormat, ReadsBackWhatItWritesAndNothingDamaged) {
    const Names nonLatin = {L"\x4E50\x8C31.exe", L"\x0416urnal.exe", L"\xD83C\xDFB5.exe"};
    const std::pair<Bytes, std::optional<Names>> cases[] = {
        {Stored({}), Names{}},
        {Stored(nonLatin), nonLatin},
        {Stored(Numbered(32)), Numbered(32)},
        {Stored({kLongest}), Names{kLongest}},
        {Stored(Numbered(33)), std::nullopt},
        {Stored({}, 0xFFFF), std::nullopt},
        {Stored({L"a.exe"}, 1, "ZVR2"), std::nullopt},
        {Bytes{}, std::nullopt},
        {Stored({L"a.exe", L"b.exe"}, 1), std::nullopt},
        {[] {
             Bytes oddByteAfter = Stored({L"a.exe"});
             return oddByteAfter.push_back(0), oddByteAfter;
         }(),
         std::nullopt},
        {Stored({kLongest + L"n"}), std::nullopt},
        {Stored({L""}), std::nullopt},
        {Stored({std::wstring(L"a\0b.exe", 7)}), std::nullopt},
        {Stored({L"C:\\a.exe"}), std::nullopt},
        {Stored({L"a/b.exe"}), std::nullopt},
        {Stored({L"C:a.exe"}), std::nullopt},
        {Stored({L"a\tb.exe"}), std::nullopt},
        {Stored({L"a.exe", L"A.exe"}), std::nullopt},
        {Stored({L"\x0416.exe", L"\x0436.exe"}), std::nullopt},
    };
    for (const auto& [stored, rules] : cases) {
        SCOPED_TRACE(testing::PrintToString(stored));
        PinRules decoded = RulesOf({L"left.exe"});
        EXPECT_EQ(DecodePinRules(stored.data(), stored.size(), decoded), rules.has_value());
        EXPECT_EQ(decoded, RulesOf(rules.value_or(Names{})));
        Bytes encoded = {1, 2, 3};
        EncodePinRules(decoded, encoded);
        EXPECT_EQ(encoded, rules ? stored : Stored({}));
    }
    // Every cut of a valid form is damage: a count or a length past the end.
    const Bytes whole = Stored(nonLatin);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        PinRules decoded = RulesOf({L"left.exe"});
        EXPECT_FALSE(DecodePinRules(whole.data(), size, decoded)) << size;
        EXPECT_EQ(decoded.Count(), 0u) << size;
    }
}
