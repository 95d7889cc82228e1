// The menu template reader: valid templates of several shapes (checked
// against the system's own reader), every truncation, lying headers, deep
// nesting and random bytes, all read from buffers that end at a guard page.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "tests/unit/menu/ByteWriter.h"
#include "tests/unit/menu/GuardedBuffer.h"
#include "ui/menu/readers/MenuTemplate.h"

using namespace tessel;

namespace {

constexpr std::uint32_t kGrayed = 0x01;
constexpr std::uint32_t kChecked = 0x08;
constexpr std::uint32_t kMenuBarBreak = 0x20;
constexpr std::uint32_t kHelp = 0x4000;

// Standard-form templates.
struct Standard {
    ByteWriter w;
    explicit Standard(std::uint16_t extension = 0) {
        w.U16(0).U16(extension);
        for (int i = 0; i < extension; ++i) w.Raw({0xEE});
    }
    Standard& Item(std::uint32_t flags, std::uint32_t id, const std::wstring& caption) {
        w.U16(flags).U16(id).Str(caption);
        return *this;
    }
    Standard& Popup(std::uint32_t flags, const std::wstring& caption) {
        w.U16(flags | kMfPopup).Str(caption);
        return *this;
    }
    const std::vector<unsigned char>& bytes() const { return w.bytes(); }
};

// Extended-form templates.
struct Extended {
    ByteWriter w;
    Extended() { w.U16(1).U16(4).U32(0); }
    Extended& Item(std::uint32_t type, std::uint32_t state, std::uint32_t id, bool last, const std::wstring& caption) {
        w.U32(type).U32(state).U32(id).U16(last ? 0x80 : 0).Str(caption).Align4();
        return *this;
    }
    Extended& Popup(std::uint32_t id, bool last, const std::wstring& caption, std::uint32_t helpId) {
        w.U32(0).U32(0).U32(id).U16(0x01 | (last ? 0x80 : 0)).Str(caption).Align4().U32(helpId);
        return *this;
    }
    const std::vector<unsigned char>& bytes() const { return w.bytes(); }
};

MenuTemplateResult Parse(const std::vector<unsigned char>& bytes) {
    GuardedBuffer buffer(bytes);
    EXPECT_TRUE(buffer.valid());
    return ParseMenuTemplate(buffer.data(), buffer.size());
}

// A menu bar with two popups; the second popup ends the bar.
std::vector<unsigned char> MenuBarTemplate() {
    Standard t;
    t.Popup(0, L"&File")
        .Item(0, 100, L"&Open\tCtrl+O")
        .Item(0, 0, L"")
        .Item(kMfEnd, 101, L"E&xit")
        .Popup(kMfEnd, L"&Help")
        .Item(kMfEnd, 102, L"&About");
    return t.bytes();
}

// A popup whose last item is a popup: both levels close on one item.
std::vector<unsigned char> NestedTemplate() {
    Standard t;
    t.Popup(kMfEnd, L"Outer")
        .Item(kGrayed, 1, L"x")
        .Popup(kMfEnd, L"Inner")
        .Item(kChecked, 2, L"y")
        .Item(kMfEnd, 3, L"z");
    return t.bytes();
}

std::vector<unsigned char> SingleItemTemplate() {
    Standard t;
    t.Item(kMfEnd | kHelp, 7, L"Only");
    return t.bytes();
}

std::vector<unsigned char> ChineseTemplate() {
    Standard t;
    t.Popup(kMfEnd | kMenuBarBreak, L"文件(&F)")
        .Item(kGrayed | kChecked, 40001, L"打开(&O)\tCtrl+O")
        .Item(kMfEnd, 40002, L"退出(&X)");
    return t.bytes();
}

std::vector<unsigned char> ExtendedTemplate() {
    Extended t;
    t.Popup(9, false, L"&Edit", 77)
        .Item(0, 0x3 /* grayed */, 200, false, L"&Cut")
        .Item(0x800 /* separator */, 0, 0, false, L"")
        .Item(0x200 /* radio check */, 0x8 /* checked */, 201, true, L"&Paste")
        .Item(0, 0, 202, true, L"&Go");
    return t.bytes();
}

std::vector<std::vector<unsigned char>> ValidTemplates() {
    return {MenuBarTemplate(), NestedTemplate(), SingleItemTemplate(), ChineseTemplate(), ExtendedTemplate()};
}

// Compares a parsed level with the menu the system builds from the same bytes.
void ExpectSameAsSystemMenu(HMENU menu, const std::vector<MenuTemplateItem>& items, const std::string& where) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size())) << where;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuTemplateItem& item = items[i];
        const std::string at = where + "/" + std::to_string(i);
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), item.caption) << at;
        HMENU sub = GetSubMenu(menu, static_cast<int>(i));
        EXPECT_EQ(sub != nullptr, item.IsPopup()) << at;
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        const bool separator =
            (item.flags & kMfSeparator) != 0 || (item.flags == 0 && item.id == 0 && item.caption.empty());
        EXPECT_EQ((state & MF_SEPARATOR) != 0, separator) << at;
        if (!separator) {
            EXPECT_EQ(state & MF_GRAYED, item.flags & MF_GRAYED) << at;
            EXPECT_EQ(state & MF_CHECKED, item.flags & MF_CHECKED) << at;
        }
        if (sub != nullptr) {
            ExpectSameAsSystemMenu(sub, item.children, at);
        } else {
            EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(i)), item.id) << at;
            EXPECT_TRUE(item.children.empty()) << at;
        }
    }
}

int Depth(const std::vector<MenuTemplateItem>& items) {
    int deepest = 0;
    for (const MenuTemplateItem& item : items) {
        if (item.IsPopup()) deepest = std::max(deepest, 1 + Depth(item.children));
    }
    return deepest;
}

std::size_t CountItems(const std::vector<MenuTemplateItem>& items) {
    std::size_t n = items.size();
    for (const MenuTemplateItem& item : items) n += CountItems(item.children);
    return n;
}

// Popups nested depth levels deep, each the only item of its level, with one
// command at the bottom.
std::vector<unsigned char> DeepTemplate(int depth) {
    Standard t;
    for (int i = 0; i < depth; ++i) t.Popup(kMfEnd, L"p");
    t.Item(kMfEnd, 1, L"leaf");
    return t.bytes();
}

}  // namespace

TEST(MenuTemplate, MenuBarOfTwoPopups) {
    const MenuTemplateResult r = Parse(MenuBarTemplate());
    ASSERT_TRUE(r.ok()) << MenuTemplateErrorName(r.error);
    EXPECT_FALSE(r.extended);
    EXPECT_EQ(r.bytesUsed, MenuBarTemplate().size());
    ASSERT_EQ(r.items.size(), 2u);

    const MenuTemplateItem& file = r.items[0];
    EXPECT_EQ(file.flags, kMfPopup);
    EXPECT_EQ(file.id, 0u);
    EXPECT_EQ(file.caption, L"&File");
    ASSERT_EQ(file.children.size(), 3u);
    EXPECT_EQ(file.children[0].caption, L"&Open\tCtrl+O");
    EXPECT_EQ(file.children[0].id, 100u);
    EXPECT_EQ(file.children[0].flags, 0u);
    // A separator: flags 0, id 0, empty caption.
    EXPECT_EQ(file.children[1].flags, 0u);
    EXPECT_EQ(file.children[1].id, 0u);
    EXPECT_TRUE(file.children[1].caption.empty());
    // The end mark is taken off the flags passed on.
    EXPECT_EQ(file.children[2].flags, 0u);
    EXPECT_EQ(file.children[2].id, 101u);

    const MenuTemplateItem& help = r.items[1];
    EXPECT_EQ(help.flags, kMfPopup);
    ASSERT_EQ(help.children.size(), 1u);
    EXPECT_EQ(help.children[0].id, 102u);
    EXPECT_EQ(help.children[0].caption, L"&About");
}

TEST(MenuTemplate, NestedPopupClosesBothLevels) {
    const MenuTemplateResult r = Parse(NestedTemplate());
    ASSERT_TRUE(r.ok()) << MenuTemplateErrorName(r.error);
    ASSERT_EQ(r.items.size(), 1u);
    const MenuTemplateItem& outer = r.items[0];
    ASSERT_EQ(outer.children.size(), 2u);
    EXPECT_EQ(outer.children[0].flags, kGrayed);
    const MenuTemplateItem& inner = outer.children[1];
    EXPECT_TRUE(inner.IsPopup());
    EXPECT_EQ(inner.caption, L"Inner");
    ASSERT_EQ(inner.children.size(), 2u);
    EXPECT_EQ(inner.children[0].flags, kChecked);
    EXPECT_EQ(inner.children[1].id, 3u);
    EXPECT_EQ(r.bytesUsed, NestedTemplate().size());
}

TEST(MenuTemplate, FlagsOtherThanTheEndMarkPassThrough) {
    const MenuTemplateResult single = Parse(SingleItemTemplate());
    ASSERT_TRUE(single.ok());
    ASSERT_EQ(single.items.size(), 1u);
    EXPECT_EQ(single.items[0].flags, kHelp);
    EXPECT_EQ(single.items[0].id, 7u);

    const MenuTemplateResult chinese = Parse(ChineseTemplate());
    ASSERT_TRUE(chinese.ok());
    ASSERT_EQ(chinese.items.size(), 1u);
    EXPECT_EQ(chinese.items[0].flags, kMfPopup | kMenuBarBreak);
    EXPECT_EQ(chinese.items[0].caption, L"文件(&F)");
    ASSERT_EQ(chinese.items[0].children.size(), 2u);
    EXPECT_EQ(chinese.items[0].children[0].flags, kGrayed | kChecked);
    EXPECT_EQ(chinese.items[0].children[0].id, 40001u);
    EXPECT_EQ(chinese.items[0].children[0].caption, L"打开(&O)\tCtrl+O");
}

TEST(MenuTemplate, ExtendedForm) {
    const MenuTemplateResult r = Parse(ExtendedTemplate());
    ASSERT_TRUE(r.ok()) << MenuTemplateErrorName(r.error);
    EXPECT_TRUE(r.extended);
    ASSERT_EQ(r.items.size(), 2u);
    const MenuTemplateItem& edit = r.items[0];
    EXPECT_TRUE(edit.IsPopup());
    EXPECT_EQ(edit.id, 9u);
    EXPECT_EQ(edit.helpId, 77u);
    EXPECT_EQ(edit.caption, L"&Edit");
    ASSERT_EQ(edit.children.size(), 3u);
    EXPECT_EQ(edit.children[0].flags, 0x3u);
    EXPECT_EQ(edit.children[0].id, 200u);
    EXPECT_EQ(edit.children[1].flags, kMfSeparator);
    EXPECT_EQ(edit.children[2].flags, 0x208u);
    EXPECT_EQ(edit.children[2].caption, L"&Paste");
    EXPECT_FALSE(r.items[1].IsPopup());
    EXPECT_EQ(r.items[1].id, 202u);
}

TEST(MenuTemplate, AgreesWithTheSystemsReader) {
    for (const std::vector<unsigned char>& bytes : ValidTemplates()) {
        const MenuTemplateResult r = Parse(bytes);
        ASSERT_TRUE(r.ok());
        HMENU menu = LoadMenuIndirectW(bytes.data());
        ASSERT_NE(menu, nullptr);
        ExpectSameAsSystemMenu(menu, r.items, "top");
        DestroyMenu(menu);
    }
}

TEST(MenuTemplate, HeaderExtensionIsSkipped) {
    Standard t(6);
    t.Item(kMfEnd, 5, L"After");
    const MenuTemplateResult r = Parse(t.bytes());
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.items.size(), 1u);
    EXPECT_EQ(r.items[0].caption, L"After");
    EXPECT_EQ(r.items[0].id, 5u);
}

TEST(MenuTemplate, BytesAfterTheLastItemAreIgnored) {
    for (const std::vector<unsigned char>& valid : ValidTemplates()) {
        const MenuTemplateResult plain = Parse(valid);
        ASSERT_TRUE(plain.ok());
        for (int extra : {1, 2, 3, 4, 17}) {
            std::vector<unsigned char> padded = valid;
            padded.insert(padded.end(), static_cast<std::size_t>(extra), 0xAB);
            const MenuTemplateResult r = Parse(padded);
            ASSERT_TRUE(r.ok()) << extra;
            EXPECT_EQ(r.bytesUsed, plain.bytesUsed);
            EXPECT_EQ(CountItems(r.items), CountItems(plain.items));
        }
    }
}

TEST(MenuTemplate, EveryTruncationFailsCleanly) {
    for (const std::vector<unsigned char>& valid : ValidTemplates()) {
        const MenuTemplateResult whole = Parse(valid);
        ASSERT_TRUE(whole.ok());
        const std::size_t headerEnd = 4 + (valid[2] | (valid[3] << 8));
        for (std::size_t n = 0; n < whole.bytesUsed; ++n) {
            const std::vector<unsigned char> prefix(valid.begin(), valid.begin() + n);
            const MenuTemplateResult r = Parse(prefix);
            EXPECT_FALSE(r.ok()) << "prefix of " << n << " bytes";
            EXPECT_TRUE(r.items.empty());
            EXPECT_EQ(r.error, n < headerEnd ? MenuTemplateError::HeaderTruncated : MenuTemplateError::ItemTruncated)
                << "prefix of " << n << " bytes";
        }
    }
}

TEST(MenuTemplate, NullOrTinyInput) {
    EXPECT_EQ(ParseMenuTemplate(nullptr, 0).error, MenuTemplateError::HeaderTruncated);
    EXPECT_EQ(ParseMenuTemplate(nullptr, 100).error, MenuTemplateError::HeaderTruncated);
    // Four header bytes and nothing else: the top level has no item.
    EXPECT_EQ(Parse({0, 0, 0, 0}).error, MenuTemplateError::ItemTruncated);
}

TEST(MenuTemplate, LyingHeaderExtension) {
    // The extension claims more bytes than follow.
    for (std::uint16_t ext : {1, 8, 0x7FFF, 0xFFFF}) {
        ByteWriter w;
        w.U16(0).U16(ext).Raw({0x80, 0x00, 0x01, 0x00, 0x00});
        const MenuTemplateResult r = Parse(w.bytes());
        if (ext <= 5) {
            // A short extension eats into the item bytes instead.
            EXPECT_FALSE(r.ok()) << ext;
        } else {
            EXPECT_EQ(r.error, MenuTemplateError::HeaderTruncated) << ext;
        }
    }
}

TEST(MenuTemplate, UnknownVersionsAreRefused) {
    for (std::uint16_t version : {2, 3, 0x100, 0xFFFF}) {
        Standard t;
        t.Item(kMfEnd, 1, L"a");
        std::vector<unsigned char> bytes = t.bytes();
        bytes[0] = static_cast<unsigned char>(version & 0xFF);
        bytes[1] = static_cast<unsigned char>(version >> 8);
        EXPECT_EQ(Parse(bytes).error, MenuTemplateError::UnknownVersion) << version;
    }
}

TEST(MenuTemplate, MissingEndMarkRunsOutOfBytes) {
    Standard t;
    t.Item(0, 1, L"one").Item(0, 2, L"two");
    EXPECT_EQ(Parse(t.bytes()).error, MenuTemplateError::ItemTruncated);
    // A popup whose level never ends.
    Standard p;
    p.Popup(kMfEnd, L"pop").Item(0, 3, L"three");
    EXPECT_EQ(Parse(p.bytes()).error, MenuTemplateError::ItemTruncated);
}

TEST(MenuTemplate, CaptionWithoutTerminatingZero) {
    ByteWriter w;
    w.U16(0).U16(0).U16(kMfEnd).U16(1);
    for (wchar_t c : std::wstring(L"no end")) w.U16(static_cast<std::uint16_t>(c));
    EXPECT_EQ(Parse(w.bytes()).error, MenuTemplateError::ItemTruncated);
    // An odd trailing byte cannot complete the terminator either.
    std::vector<unsigned char> odd = w.bytes();
    odd.push_back(0);
    EXPECT_EQ(Parse(odd).error, MenuTemplateError::ItemTruncated);
}

TEST(MenuTemplate, NestingLimit) {
    const MenuTemplateResult deepest = Parse(DeepTemplate(kMaxMenuTemplateDepth));
    ASSERT_TRUE(deepest.ok()) << MenuTemplateErrorName(deepest.error);
    EXPECT_EQ(Depth(deepest.items), kMaxMenuTemplateDepth);

    EXPECT_EQ(Parse(DeepTemplate(kMaxMenuTemplateDepth + 1)).error, MenuTemplateError::NestingTooDeep);
    // Far deeper than any stack would take if the reader followed it.
    EXPECT_EQ(Parse(DeepTemplate(200000)).error, MenuTemplateError::NestingTooDeep);

    Extended ext;
    for (int i = 0; i <= kMaxMenuTemplateDepth; ++i) ext.Popup(0, true, L"p", 0);
    ext.Item(0, 0, 1, true, L"leaf");
    EXPECT_EQ(Parse(ext.bytes()).error, MenuTemplateError::NestingTooDeep);
}

TEST(MenuTemplate, ExtendedPaddingIsNeededOnlyBeforeMoreData) {
    // Header 8 bytes; the popup item is 14 fixed bytes and the caption "a"
    // 4 bytes, so 2 padding bytes come before its help id.
    Extended t;
    t.Popup(1, true, L"a", 5).Item(0, 0, 2, true, L"c");
    const std::vector<unsigned char>& bytes = t.bytes();
    const MenuTemplateResult whole = Parse(bytes);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.items[0].helpId, 5u);
    for (std::size_t n : {std::size_t{26}, std::size_t{27}, std::size_t{29}}) {
        const std::vector<unsigned char> prefix(bytes.begin(), bytes.begin() + n);
        EXPECT_EQ(Parse(prefix).error, MenuTemplateError::ItemTruncated) << n;
    }
    // The last item's own padding may be missing.
    ASSERT_LT(whole.bytesUsed, bytes.size());
    for (std::size_t n = whole.bytesUsed; n <= bytes.size(); ++n) {
        const std::vector<unsigned char> prefix(bytes.begin(), bytes.begin() + n);
        EXPECT_TRUE(Parse(prefix).ok()) << n;
    }
}

TEST(MenuTemplate, RandomBytesNeverCrashAndStayBounded) {
    std::mt19937 random(20250611u);
    for (int i = 0; i < 4000; ++i) {
        const std::size_t size = random() % 160;
        std::vector<unsigned char> bytes(size);
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
        // Mostly plausible headers, so that the item reader gets exercised.
        if (size >= 4 && (i % 4) != 0) {
            bytes[0] = static_cast<unsigned char>(i % 3 == 0 ? 1 : 0);
            bytes[1] = 0;
            bytes[2] = static_cast<unsigned char>(bytes[0] == 1 ? 4 : random() % 3);
            bytes[3] = 0;
        }
        const MenuTemplateResult r = Parse(bytes);
        if (r.ok()) {
            EXPECT_LE(r.bytesUsed, size);
            EXPECT_LE(CountItems(r.items), size / 4);
            EXPECT_LE(Depth(r.items), kMaxMenuTemplateDepth);
        } else {
            EXPECT_TRUE(r.items.empty());
        }
    }
}

namespace {

// Random menu trees, written in either form, for round trips.
class TreeGenerator {
public:
    explicit TreeGenerator(std::uint32_t seed) : random_(seed) {}

    std::vector<MenuTemplateItem> Level(int depth, bool extended) {
        std::vector<MenuTemplateItem> level(1 + random_() % 4);
        for (MenuTemplateItem& item : level) {
            const std::uint32_t flagBits[] = {0x1, 0x2, 0x8, 0x20, 0x40, 0x200, 0x4000};
            for (std::uint32_t bit : flagBits) {
                if (random_() % 4 == 0) item.flags |= bit;
            }
            const std::size_t length = random_() % 6;
            for (std::size_t i = 0; i < length; ++i) {
                item.caption.push_back(static_cast<wchar_t>(1 + random_() % 0xFFFE));
            }
            if (depth < 4 && random_() % 3 == 0) {
                item.flags |= kMfPopup;
                if (extended) {
                    item.id = random_() % 1000;
                    item.helpId = random_();
                }
                item.children = Level(depth + 1, extended);
            } else {
                item.id = extended ? random_() : random_() % 0x10000;
            }
        }
        return level;
    }

    static void WriteStandard(ByteWriter& w, const std::vector<MenuTemplateItem>& level) {
        for (std::size_t i = 0; i < level.size(); ++i) {
            const MenuTemplateItem& item = level[i];
            const std::uint32_t end = i + 1 == level.size() ? kMfEnd : 0;
            w.U16(item.flags | end);
            if (!item.IsPopup()) w.U16(item.id);
            w.Str(item.caption);
            if (item.IsPopup()) WriteStandard(w, item.children);
        }
    }

    static void WriteExtended(ByteWriter& w, const std::vector<MenuTemplateItem>& level) {
        for (std::size_t i = 0; i < level.size(); ++i) {
            const MenuTemplateItem& item = level[i];
            const std::uint32_t end = i + 1 == level.size() ? 0x80 : 0;
            w.U32(item.flags & ~kMfPopup).U32(0).U32(item.id);
            w.U16((item.IsPopup() ? 0x01 : 0) | end).Str(item.caption).Align4();
            if (item.IsPopup()) {
                w.U32(item.helpId);
                WriteExtended(w, item.children);
            }
        }
    }

private:
    std::mt19937 random_;
};

bool SameTree(const std::vector<MenuTemplateItem>& a, const std::vector<MenuTemplateItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].flags != b[i].flags || a[i].id != b[i].id || a[i].helpId != b[i].helpId ||
            a[i].caption != b[i].caption || !SameTree(a[i].children, b[i].children)) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(MenuTemplate, RandomTreesRoundTripAndEveryCutFails) {
    TreeGenerator generator(9001u);
    for (int i = 0; i < 300; ++i) {
        const bool extended = i % 2 == 1;
        const std::vector<MenuTemplateItem> tree = generator.Level(0, extended);
        ByteWriter w;
        if (extended) {
            w.U16(1).U16(4).U32(0);
            TreeGenerator::WriteExtended(w, tree);
        } else {
            w.U16(0).U16(0);
            TreeGenerator::WriteStandard(w, tree);
        }
        const MenuTemplateResult r = Parse(w.bytes());
        ASSERT_TRUE(r.ok()) << i << " " << MenuTemplateErrorName(r.error);
        EXPECT_EQ(r.extended, extended);
        EXPECT_TRUE(SameTree(r.items, tree)) << "tree " << i;
        for (std::size_t n = 0; n < r.bytesUsed; n += 1 + n % 3) {
            const std::vector<unsigned char> cut(w.bytes().begin(), w.bytes().begin() + n);
            EXPECT_FALSE(Parse(cut).ok()) << "tree " << i << " cut at " << n;
        }
    }
}

TEST(MenuTemplate, MutatedTemplatesNeverCrash) {
    std::mt19937 random(77u);
    const std::vector<std::vector<unsigned char>> valid = ValidTemplates();
    for (int i = 0; i < 3000; ++i) {
        std::vector<unsigned char> bytes = valid[static_cast<std::size_t>(i) % valid.size()];
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
            bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        }
        if (random() % 2 == 0) bytes.resize(random() % (bytes.size() + 1));
        const MenuTemplateResult r = Parse(bytes);
        if (r.ok()) {
            EXPECT_LE(r.bytesUsed, bytes.size());
            EXPECT_LE(Depth(r.items), kMaxMenuTemplateDepth);
        }
    }
}
