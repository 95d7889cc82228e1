// The WM_MENUCHAR search over item captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/menu/model/MenuChar.h"

using namespace tessel;

namespace {

constexpr std::uint32_t kPopup = 0x10;

}  // namespace

TEST(MenuChar, SecondCaptionWithTheMnemonicIsChosen) {
    // "Fi&nd" holds an F but not after an ampersand; "&Format" does.
    const std::vector<std::string> captions = {"Fi&nd", "&Format", "E&xit"};
    EXPECT_EQ(MenuCharAnswer('F', kPopup, captions, nullptr), 0x20001u);
    EXPECT_EQ(MenuCharAnswer('f', kPopup, captions, nullptr), 0x20001u);
    EXPECT_EQ(MenuCharAnswer('n', kPopup, captions, nullptr), 0x20000u);
    EXPECT_EQ(MenuCharAnswer('X', kPopup, captions, nullptr), 0x20002u);
}

TEST(MenuChar, NoMatchIgnores) {
    const std::vector<std::string> captions = {"Fi&nd", "&Format", "Exit"};
    EXPECT_EQ(MenuCharAnswer('E', kPopup, captions, nullptr), 0u);
    EXPECT_EQ(MenuCharAnswer('q', kPopup, captions, nullptr), 0u);
    EXPECT_EQ(MenuCharAnswer('&', kPopup, captions, nullptr), 0u);
    EXPECT_EQ(MenuCharAnswer('F', kPopup, {}, nullptr), 0u);
    EXPECT_EQ(FindMenuCharPosition('E', captions, nullptr), -1);
}

TEST(MenuChar, OnlyPopupsAreSearched) {
    const std::vector<std::string> captions = {"&File"};
    EXPECT_EQ(MenuCharAnswer('f', 0, captions, nullptr), 0u);
    EXPECT_EQ(MenuCharAnswer('f', 0x2000 /* MF_SYSMENU */, captions, nullptr), 0u);
    EXPECT_EQ(MenuCharAnswer('f', kPopup | 0x2000, captions, nullptr), 0x20000u);
}

TEST(MenuChar, FirstOfSeveralMatchesWins) {
    const std::vector<std::string> captions = {"", "&Save", "&Send", "Save &as"};
    EXPECT_EQ(MenuCharAnswer('s', kPopup, captions, nullptr), 0x20001u);
    EXPECT_EQ(MenuCharAnswer('a', kPopup, captions, nullptr), 0x20003u);
}

TEST(MenuChar, DoubledAmpersandBeforeTheCharacterAlsoMatches) {
    const std::vector<std::string> captions = {"Tom", "Salt &&Pepper"};
    EXPECT_EQ(MenuCharAnswer('p', kPopup, captions, nullptr), 0x20001u);
    EXPECT_EQ(MenuCharAnswer('P', kPopup, captions, nullptr), 0x20001u);
    // A trailing ampersand has no character after it.
    EXPECT_EQ(MenuCharAnswer('a', kPopup, {"Tail&"}, nullptr), 0u);
}

TEST(MenuChar, CaseIsFoldedOnBothSides) {
    const std::vector<std::string> captions = {"&abc", "&XYZ"};
    EXPECT_EQ(MenuCharAnswer('A', kPopup, captions, nullptr), 0x20000u);
    EXPECT_EQ(MenuCharAnswer('x', kPopup, captions, nullptr), 0x20001u);
    // Digits and punctuation match themselves.
    EXPECT_EQ(MenuCharAnswer('1', kPopup, {"Item &1"}, nullptr), 0x20000u);
    EXPECT_EQ(MenuCharAnswer('[', kPopup, {"&{"}, nullptr), 0u);
}

TEST(MenuChar, OnlyTheLowByteOfTheCharacterCounts) {
    EXPECT_EQ(MenuCharAnswer(0x1200 | 'f', kPopup, {"&File"}, nullptr), 0x20000u);
    EXPECT_EQ(MenuCharAnswer(0, kPopup, {"&File", "a&"}, nullptr), 0u);
}

TEST(MenuChar, PositionIsTheLowWordOfTheAnswer) {
    std::vector<std::string> captions(70000, "none");
    captions[65537] = "&Z";
    EXPECT_EQ(FindMenuCharPosition('z', captions, nullptr), 65537);
    EXPECT_EQ(MenuCharAnswer('z', kPopup, captions, nullptr), 0x20001u);
}

TEST(MenuChar, ChineseCaptions) {
    // "文件(&F)" and "退出(&X)" in code page 936, the tests' ANSI code page.
    const std::vector<std::string> captions = {"\xCE\xC4\xBC\xFE(&F)", "\xCD\xCB\xB3\xF6(&X)"};
    EXPECT_EQ(MenuCharAnswer('f', kPopup, captions, IsAnsiLeadByte), 0x20000u);
    EXPECT_EQ(MenuCharAnswer('X', kPopup, captions, IsAnsiLeadByte), 0x20001u);
    EXPECT_EQ(MenuCharAnswer('o', kPopup, captions, IsAnsiLeadByte), 0u);
}

TEST(MenuChar, NeverMatchesInsideADoubleByteCharacter) {
    // 0x81 0x26 is not valid GBK, but a lead byte always swallows the next
    // byte: the '&' there is the character's second half.
    const std::string hidden = "\x81&F";
    EXPECT_EQ(MenuCharAnswer('f', kPopup, {hidden}, IsAnsiLeadByte), 0u);
    EXPECT_EQ(MenuCharAnswer('f', kPopup, {hidden}, nullptr), 0x20000u);
    // 0xB0 0x41 is one character whose second byte is 'A': not lowered, and
    // not a mnemonic after the '&' in front of it.
    const std::string trailA =
        "&\xB0"
        "A";
    EXPECT_EQ(MenuCharAnswer('a', kPopup, {trailA}, IsAnsiLeadByte), 0u);
    // A lead byte as the typed character matches nothing.
    const std::string leadAfterAmp = "&\xB0\xA1";
    EXPECT_EQ(MenuCharAnswer(0xB0, kPopup, {leadAfterAmp}, IsAnsiLeadByte), 0u);
    // A dangling lead byte at the end is harmless.
    EXPECT_EQ(MenuCharAnswer('f', kPopup, {"&F\xB0"}, IsAnsiLeadByte), 0x20000u);
    EXPECT_EQ(MenuCharAnswer('f', kPopup, {"\xB0", "&F"}, IsAnsiLeadByte), 0x20001u);
}

TEST(MenuChar, SingleByteCodePageHasNoLeadBytes) {
    // Without a lead-byte test, high bytes are characters of their own.
    EXPECT_EQ(MenuCharAnswer(0xE9, kPopup, {"Caf&\xE9"}, nullptr), 0x20000u);
    EXPECT_EQ(MenuCharAnswer(0xE9, kPopup, {"Caf&\xE9"}, IsAnsiLeadByte), 0u);
}
