// Caption conversions between UTF-16 and ANSI text. The test run uses the
// Chinese locale, whose ANSI code page is 936.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/menu/model/AnsiText.h"

using namespace tessel;

namespace {

// "热键置顶" in code page 936 and in UTF-16.
const char kHotkeyGbk[] = "\xC8\xC8\xBC\xFC\xD6\xC3\xB6\xA5";
const wchar_t kHotkeyWide[] = L"热键置顶";

}  // namespace

TEST(AnsiText, NullAndEmptyStayApart) {
    EXPECT_EQ(AnsiToWide(nullptr), std::nullopt);
    const std::optional<std::wstring> empty = AnsiToWide("");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
    EXPECT_EQ(WideToAnsi(nullptr), "");
    EXPECT_EQ(WideToAnsi(L""), "");
}

TEST(AnsiText, PlainAsciiRoundTrip) {
    EXPECT_EQ(AnsiToWide("&Open\tCtrl+O"), std::optional<std::wstring>(L"&Open\tCtrl+O"));
    EXPECT_EQ(WideToAnsi(L"&Open\tCtrl+O"), "&Open\tCtrl+O");
}

TEST(AnsiText, ChineseInCodePage936) {
    EXPECT_EQ(AnsiToWide(kHotkeyGbk, 936), std::optional<std::wstring>(kHotkeyWide));
    EXPECT_EQ(WideToAnsi(kHotkeyWide, 936), kHotkeyGbk);
    const std::wstring mixed = L"打开(&O)\tCtrl+O";
    EXPECT_EQ(WideToAnsi(mixed.c_str(), 936), "\xB4\xF2\xBF\xAA(&O)\tCtrl+O");
    EXPECT_EQ(AnsiToWide(WideToAnsi(mixed.c_str(), 936).c_str(), 936), std::optional<std::wstring>(mixed));
}

TEST(AnsiText, SystemAnsiCodePageIsChineseHere) {
    // The test command runs Wine in the Chinese locale; the round trips
    // below are only meaningful there.
    ASSERT_EQ(GetACP(), 936u) << "run the tests with LC_ALL=zh_CN.UTF-8";
    EXPECT_EQ(WideToAnsi(kHotkeyWide), kHotkeyGbk);
    EXPECT_EQ(AnsiToWide(kHotkeyGbk), std::optional<std::wstring>(kHotkeyWide));
    const std::wstring caption = L"关于热键置顶(&A)...";
    const std::optional<std::wstring> back = AnsiToWide(WideToAnsi(caption.c_str()).c_str());
    EXPECT_EQ(back, std::optional<std::wstring>(caption));
}

TEST(AnsiText, UnmappableCharactersAreReplacedNotDropped) {
    // Thai letters have no place in code page 936.
    EXPECT_EQ(WideToAnsi(L"a\x0E01"
                         L"b",
                         936),
              "a?b");
}

TEST(AnsiText, OutputIsNeverCutWhateverTheCodePageNeeds) {
    // UTF-8 needs three bytes per Chinese character, more than twice the
    // UTF-16 length plus two, and the whole caption still arrives.
    const std::wstring longCaption(300, L'键');
    const std::string utf8 = WideToAnsi(longCaption.c_str(), CP_UTF8);
    EXPECT_EQ(utf8.size(), 900u);
    EXPECT_EQ(AnsiToWide(utf8.c_str(), CP_UTF8), std::optional<std::wstring>(longCaption));
    const std::string gbk = WideToAnsi(longCaption.c_str(), 936);
    EXPECT_EQ(gbk.size(), 600u);
}

TEST(AnsiText, ConversionStopsAtTheFirstNul) {
    const char text[] = "ab\0cd";
    EXPECT_EQ(AnsiToWide(text), std::optional<std::wstring>(L"ab"));
    const wchar_t wide[] = L"ab\0cd";
    EXPECT_EQ(WideToAnsi(wide), "ab");
}
