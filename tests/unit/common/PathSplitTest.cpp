// The folder/name split in the double-byte code pages, whose trail bytes
// include 0x5C, the backslash. The code pages' own tables decide what a lead
// byte is, whatever the system's ANSI code page.
#include "common/PathSplit.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

bool NoLeadBytes(unsigned char) { return false; }
bool Cp936(unsigned char byte) { return ::IsDBCSLeadByteEx(936, byte) != FALSE; }
bool Cp932(unsigned char byte) { return ::IsDBCSLeadByteEx(932, byte) != FALSE; }
bool Cp950(unsigned char byte) { return ::IsDBCSLeadByteEx(950, byte) != FALSE; }

std::string Folder(const std::string& path, LeadBytePredicate isLeadByte) {
    return path.substr(0, FolderPrefixLength(path.c_str(), isLeadByte));
}

TEST(PathSplit, ATrailByteThatLooksLikeABackslashDoesNotSplit) {
    // One character ending in 0x5C per code page: 奬 (936), ソ (932), 許 (950).
    const struct {
        LeadBytePredicate isLeadByte;
        const char* character;
    } cases[] = {{Cp936, "\x8A\x5C"}, {Cp932, "\x83\x5C"}, {Cp950, "\xB3\x5C"}};
    for (const auto& c : cases) {
        const std::string ch = c.character;
        ASSERT_TRUE(c.isLeadByte(static_cast<unsigned char>(ch[0]))) << "the code page is installed";
        EXPECT_EQ(Folder("C:\\Tools\\" + ch + ".exe", c.isLeadByte), "C:\\Tools\\");
        EXPECT_EQ(Folder("C:\\" + ch + "\\Zorvane.exe", c.isLeadByte), "C:\\" + ch + "\\");
        EXPECT_EQ(Folder("C:\\" + ch + ch + "\\" + ch, c.isLeadByte), "C:\\" + ch + ch + "\\");
        EXPECT_EQ(Folder(ch + ".exe", c.isLeadByte), "") << "a bare name";
    }
    // Byte by byte, the same path splits inside the character.
    EXPECT_EQ(Folder("C:\\Tools\\\x8A\x5C.exe", NoLeadBytes), "C:\\Tools\\\x8A\x5C");
}

TEST(PathSplit, SeparatorsDrivesAndBareNames) {
    EXPECT_EQ(Folder("C:\\Tools\\Zorvane.exe", Cp936), "C:\\Tools\\");
    EXPECT_EQ(Folder("C:/Tools/Zorvane.exe", Cp936), "C:/Tools/");
    EXPECT_EQ(Folder("\\\\server\\share\\Zorvane.exe", Cp936), "\\\\server\\share\\");
    EXPECT_EQ(Folder("C:Zorvane.exe", Cp936), "C:");
    EXPECT_EQ(Folder("C:", Cp936), "C:") << "a drive alone";
    EXPECT_EQ(Folder("C:\\", Cp936), "C:\\");
    EXPECT_EQ(Folder("Zorvane.exe", Cp936), "");
    EXPECT_EQ(Folder("", Cp936), "");
}

TEST(PathSplit, ALeadByteAtTheEndEndsThePath) {
    EXPECT_EQ(Folder("C:\\Tools\\\x8A", Cp936), "C:\\Tools\\");
    EXPECT_EQ(Folder("\x8A", Cp936), "");
}

}  // namespace
