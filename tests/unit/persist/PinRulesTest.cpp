// The pin rules, their stored form, and how the save flow carries them.
#include "persist/PinRules.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/UniqueHandle.h"
#include "persist/PinRulesFormat.h"
#include "persist/SaveFlow.h"
#include "tests/support/CodePage.h"
#include "tests/support/ExeResources.h"
#include "tests/support/TestFolder.h"

namespace {

using testsupport::Bytes;
using Names = std::vector<std::wstring>;

Names NamesOf(const PinRules& rules) {
    Names names;
    for (std::size_t i = 0; i < rules.Count(); ++i) names.emplace_back(rules.At(i));
    return names;
}

PinRules RulesOf(const Names& names) {
    PinRules rules;
    for (const std::wstring& name : names) EXPECT_EQ(rules.Add(name.c_str()), PinRuleChange::Done);
    return rules;
}

Names Numbered(std::size_t count) {
    Names names;
    for (std::size_t i = 0; i < count; ++i) names.push_back(L"p" + std::to_wstring(i) + L".exe");
    return names;
}

void AppendUnit(Bytes& bytes, unsigned unit) {
    bytes.push_back(static_cast<unsigned char>(unit));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
}

// The stored form written out by hand: tag, count, then each name with its
// length, as the header describes it.
Bytes Stored(const Names& names, std::size_t count, const char* tag = "ZVR1") {
    Bytes bytes(tag, tag + 4);
    AppendUnit(bytes, static_cast<unsigned>(count));
    for (const std::wstring& name : names) {
        AppendUnit(bytes, static_cast<unsigned>(name.size()));
        for (const wchar_t unit : name) AppendUnit(bytes, unit);
    }
    return bytes;
}
Bytes Stored(const Names& names) { return Stored(names, names.size()); }

Bytes With(Bytes bytes, std::size_t at, unsigned char value) {
    bytes.at(at) = value;
    return bytes;
}
Bytes Plus(Bytes bytes, const Bytes& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
}

const std::wstring kLongest(PinRules::kMaxNameLength, L'n');

// Decodes bytes placed at the very end of a page whose next page cannot be
// read, so that reading one byte too far faults.
bool DecodeAtPageEnd(const Bytes& bytes, PinRules& out) {
    const std::size_t page = 4096;
    EXPECT_LE(bytes.size(), page);
    auto* pages = static_cast<unsigned char*>(::VirtualAlloc(nullptr, 2 * page, MEM_COMMIT, PAGE_READWRITE));
    DWORD was = 0;
    EXPECT_TRUE(pages != nullptr && ::VirtualProtect(pages + page, page, PAGE_NOACCESS, &was));
    unsigned char* data = pages + page - bytes.size();
    std::copy(bytes.begin(), bytes.end(), data);
    const bool decoded = DecodePinRules(data, bytes.size(), out);
    ::VirtualFree(pages, 0, MEM_RELEASE);
    return decoded;
}

// A file that takes resource updates and can be loaded as data.
std::string CopyOfThisProgram(const testsupport::TestFolder& folder, const char* name) {
    const std::string copy = folder.File(std::string(name));
    char self[MAX_PATH] = {};
    EXPECT_NE(::GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    EXPECT_TRUE(::CopyFileA(self, copy.c_str(), FALSE));
    return copy;
}

}  // namespace

TEST(PinRules, TakesBareFileNamesFoundRegardlessOfCaseUpToTheBound) {
    const struct {
        std::wstring name;
        PinRuleChange added;
    } names[] = {
        {L"SheetView.exe", PinRuleChange::Done},
        {L"SHEETVIEW.EXE", PinRuleChange::AlreadyThere},
        {L"\x0416urnal.exe", PinRuleChange::Done},
        {L"\x0436URNAL.exe", PinRuleChange::AlreadyThere},  // Cyrillic zhe, either case
        {L"\x00C9tude.exe", PinRuleChange::Done},
        {L"\x00E9tude.exe", PinRuleChange::AlreadyThere},
        {L"\x4E50\x8C31.exe", PinRuleChange::Done},
        {kLongest, PinRuleChange::Done},
        {kLongest + L"n", PinRuleChange::Invalid},
        {L"", PinRuleChange::Invalid},
        {L"C:\\Tools\\SheetView.exe", PinRuleChange::Invalid},
        {L"Tools/SheetView.exe", PinRuleChange::Invalid},
        {L"C:SheetView.exe", PinRuleChange::Invalid},
        {L"Sheet\tView.exe", PinRuleChange::Invalid},
        {L"\x1F.exe", PinRuleChange::Invalid},
    };
    PinRules rules;
    Names kept;
    for (const auto& n : names) {
        EXPECT_EQ(rules.Add(n.name.c_str()), n.added) << testing::PrintToString(n.name);
        EXPECT_EQ(rules.Contains(n.name.c_str()), n.added != PinRuleChange::Invalid);
        if (n.added == PinRuleChange::Done) kept.push_back(n.name);
    }
    EXPECT_EQ(NamesOf(rules), kept) << "the first spelling, in the order made";
    EXPECT_FALSE(rules.Contains(L"SheetView.ex"));
    EXPECT_FALSE(rules.Contains(nullptr));
    EXPECT_NE(rules, RulesOf({L"sheetview.exe"}));

    EXPECT_TRUE(rules.Remove(L"sHEETvIEW.exe"));
    EXPECT_FALSE(rules.Contains(L"SheetView.exe"));
    EXPECT_FALSE(rules.Remove(L"SheetView.exe"));
    EXPECT_TRUE(rules.Remove(L"\x0436urnal.EXE"));
    EXPECT_EQ(NamesOf(rules), (Names{L"\x00C9tude.exe", L"\x4E50\x8C31.exe", kLongest}));

    PinRules full = RulesOf(Numbered(PinRules::kMaxRules));
    EXPECT_EQ(full.Add(L"one-more.exe"), PinRuleChange::Full);
    EXPECT_EQ(full.Add(L"P0.EXE"), PinRuleChange::AlreadyThere);
    EXPECT_EQ(full, RulesOf(Numbered(PinRules::kMaxRules)));
    EXPECT_TRUE(full.Remove(L"p5.exe"));
    EXPECT_EQ(full.Add(L"one-more.exe"), PinRuleChange::Done);
}

TEST(PinRulesFormat, ReadsBackWhatItWritesAndNothingDamaged) {
    const Names nonLatin = {L"\x4E50\x8C31.exe", L"\x0416urnal.exe", L"\xD83C\xDFB5.exe"};
    const Bytes one = Stored({L"SheetView.exe"});
    const struct {
        const char* what;
        Bytes stored;
        Names rules;  // empty for damage, unless valid is set
        bool valid;
    } cases[] = {
        {"no rules", Bytes{'Z', 'V', 'R', '1', 0, 0}, {}, true},
        {"one", one, {L"SheetView.exe"}, true},
        {"non-Latin, in order", Stored(nonLatin), nonLatin, true},
        {"the bound", Stored(Numbered(32)), Numbered(32), true},
        {"the longest name", Stored({kLongest}), {kLongest}, true},
        {"past the bound", Stored(Numbered(33)), {}, false},
        {"count past the bound, names missing", Stored({}, 0xFFFF), {}, false},
        {"another version", Stored({L"a.exe"}, 1, "ZVR2"), {}, false},
        {"another tag", Stored({L"a.exe"}, 1, "zvr1"), {}, false},
        {"nothing", Bytes{}, {}, false},
        {"more names than counted", Stored({L"a.exe", L"b.exe"}, 1), {}, false},
        {"fewer names than counted", Stored({L"a.exe"}, 2), {}, false},
        {"a length past the end", With(one, 6, 14), {}, false},
        {"a length past the bound", Stored({kLongest + L"n"}), {}, false},
        {"an empty name", Stored({L""}), {}, false},
        {"an odd byte after", Plus(one, {0}), {}, false},
        {"a unit after", Plus(one, {0, 0}), {}, false},
        {"a zero inside a name", With(one, 8 + 2 * 5, 0), {}, false},
        {"a folder", Stored({L"C:\\SheetView.exe"}), {}, false},
        {"a control character", Stored({L"Sheet\nView.exe"}), {}, false},
        {"a name twice", Stored({L"SheetView.exe", L"SHEETVIEW.exe"}), {}, false},
    };
    for (const auto& c : cases) {
        PinRules decoded = RulesOf({L"left.exe"});
        EXPECT_EQ(DecodeAtPageEnd(c.stored, decoded), c.valid) << c.what;
        EXPECT_EQ(NamesOf(decoded), c.rules) << c.what;
        if (!c.valid) continue;
        Bytes encoded = {1, 2, 3};
        EncodePinRules(RulesOf(c.rules), encoded);
        EXPECT_EQ(encoded, c.stored) << c.what;
    }
    // Every cut of a valid form is damage, and is read no further than it goes.
    const Bytes whole = Stored(nonLatin);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        PinRules decoded = RulesOf({L"left.exe"});
        EXPECT_FALSE(DecodeAtPageEnd(cut, decoded)) << size;
        EXPECT_EQ(decoded.Count(), 0u) << size;
    }
}

TEST(PinRulesFormat, TheProgramReadsItsOwnStoredRules) {
    PinRules read = RulesOf({L"left.exe"});
    EXPECT_FALSE(ReadStoredPinRules(::GetModuleHandleA(nullptr), read)) << "none stored";
    EXPECT_EQ(read.Count(), 0u);

    testsupport::TestFolder folder;
    const std::string program = CopyOfThisProgram(folder, "Zorvane.exe");
    const Names names = {L"SheetView.exe", L"\x4E50\x8C31.exe"};
    for (const auto& [stored, rules] : {std::pair{Stored(names), names}, std::pair{Stored({L"a.exe"}, 2), Names{}}}) {
        ASSERT_TRUE(testsupport::ExeResources::WriteStoredPinRules(program, stored));
        const UniqueModule module(::LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        read = RulesOf({L"left.exe"});
        EXPECT_EQ(ReadStoredPinRules(module.get(), read), !rules.empty());
        EXPECT_EQ(NamesOf(read), rules);
    }
}

TEST(PinRulesRequest, RidesAlongOnlyWhenTheRulesChanged) {
    testsupport::TestFolder folder;
    const std::string updater = CopyOfThisProgram(folder, "Brisklet.exe");
    const auto save = [&updater](const PinRules* changed) {
        const UINT noUpdaterToExtract = 999;
        return SaveHotkeyRequest(::GetModuleHandleA(nullptr), noUpdaterToExtract, {updater.c_str(), "C:\\Zorvane.exe"},
                                 {0, 0x76}, changed, [](const char*) {});
    };
    const auto carried = [&updater] {
        return testsupport::ExeResources::Read(testsupport::FromAnsi(updater), "HOTKEY", 105);
    };
    const PinRules rules = RulesOf({L"SheetView.exe"});
    Bytes stored;
    EncodePinRules(rules, stored);
    ASSERT_TRUE(save(&rules));
    EXPECT_EQ(carried(), std::string(stored.begin(), stored.end()));
    // The same updater takes the next request, extraction failing: the
    // rules it carried must not be written again over newer ones.
    ASSERT_TRUE(save(nullptr));
    EXPECT_EQ(carried(), std::nullopt);
    ASSERT_TRUE(save(nullptr));
    EXPECT_EQ(carried(), std::nullopt);
}
