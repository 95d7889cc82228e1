// The pure and resource-reading pieces of the main dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/CPinDlg.h"
#include "app/HotkeyFlags.h"
#include "app/ModulePath.h"
#include "res/resource.h"

namespace {

bool Cp936(unsigned char byte) { return ::IsDBCSLeadByteEx(936, byte) != FALSE; }

TEST(ModulePath, EachFlagSelectsItsPart) {
    const std::string path = "C:\\Tools\\Zorvane.exe";
    EXPECT_EQ(ModulePathPart(path, ModulePathDirectory, Cp936), "C:\\Tools\\");
    EXPECT_EQ(ModulePathPart(path, ModulePathFileName, Cp936), "Zorvane.exe");
    EXPECT_EQ(ModulePathPart(path, ModulePathFull, Cp936), path);
    EXPECT_EQ(ModulePathPart(path, 0, Cp936), "C:\\Tools\\") << "no bit: the directory";
    EXPECT_EQ(ModulePathPart(path, 8, Cp936), "C:\\Tools\\") << "unknown bits only: the directory";
}

TEST(ModulePath, DirectoryWinsOverFileNameWhichWinsOverFullPath) {
    const std::string path = "D:\\a b\\c.d\\Zorvane.exe";
    for (unsigned flags = 0; flags < 16; ++flags) {
        std::string expected = (flags & 1)   ? "D:\\a b\\c.d\\"
                               : (flags & 2) ? "Zorvane.exe"
                               : (flags & 4) ? path
                                             : "D:\\a b\\c.d\\";
        EXPECT_EQ(ModulePathPart(path, flags, Cp936), expected) << "flags " << flags;
    }
}

TEST(ModulePath, OddPathsStillGiveADirectoryEndingInABackslash) {
    EXPECT_EQ(ModulePathPart("C:\\Zorvane.exe", ModulePathDirectory, Cp936), "C:\\");
    EXPECT_EQ(ModulePathPart("C:Zorvane.exe", ModulePathDirectory, Cp936), "C:\\");
    EXPECT_EQ(ModulePathPart("C:Zorvane.exe", ModulePathFileName, Cp936), "Zorvane.exe");
    EXPECT_EQ(ModulePathPart("Zorvane.exe", ModulePathFull, Cp936), "\\Zorvane.exe");
    EXPECT_EQ(ModulePathPart("\\\\server\\share\\Zorvane", ModulePathFileName, Cp936), "Zorvane");
    EXPECT_EQ(ModulePathPart("", ModulePathDirectory, Cp936), "\\");
}

TEST(ModulePath, ANameEndingInATrailBackslashStaysWhole) {
    // 置顶奬 in code page 936: 奬 is 8A 5C.
    const std::string path = "C:\\Tools\\\xD6\xC3\xB6\xA5\x8A\x5C.exe";
    EXPECT_EQ(ModulePathPart(path, ModulePathDirectory, Cp936), "C:\\Tools\\");
    EXPECT_EQ(ModulePathPart(path, ModulePathFileName, Cp936), "\xD6\xC3\xB6\xA5\x8A\x5C.exe");
    EXPECT_EQ(ModulePathPart(path, ModulePathFull, Cp936), path);
}

TEST(HotkeyFlags, EveryCombinationOfTheFourFlags) {
    for (unsigned flags = 0; flags < 16; ++flags) {
        unsigned expected = ((flags & HOTKEYF_SHIFT) ? MOD_SHIFT : 0u) |
                            ((flags & HOTKEYF_CONTROL) ? MOD_CONTROL : 0u) | ((flags & HOTKEYF_ALT) ? MOD_ALT : 0u);
        EXPECT_EQ(HotkeyFlagsToModifiers(flags), expected) << "flags " << flags;
    }
    EXPECT_EQ(HotkeyFlagsToModifiers(0x01), 0x0004u);
    EXPECT_EQ(HotkeyFlagsToModifiers(0x02), 0x0002u);
    EXPECT_EQ(HotkeyFlagsToModifiers(0x04), 0x0001u);
    EXPECT_EQ(HotkeyFlagsToModifiers(0x08), 0x0000u) << "the extended-key flag is not a modifier";
    EXPECT_EQ(HotkeyFlagsToModifiers(0xF0), 0x0000u);
}

TEST(ReadDwordResource, ReadsFourLittleEndianBytes) {
    std::uint32_t value = 0;
    EXPECT_TRUE(CPinDlg::ReadDwordResource(IDR_HOTKEY_MODIFIERS, "HOTKEY", &value));
    EXPECT_EQ(value, 5u);
    EXPECT_TRUE(CPinDlg::ReadDwordResource(150, "HOTKEY", &value));
    EXPECT_EQ(value, 0x12345678u) << "only the first four bytes";
}

TEST(ReadDwordResource, MissingOrShortResourcesLeaveTheValueAlone) {
    std::uint32_t value = 0xCAFEu;
    EXPECT_FALSE(CPinDlg::ReadDwordResource(999, "HOTKEY", &value));
    EXPECT_EQ(value, 0xCAFEu);
    EXPECT_FALSE(CPinDlg::ReadDwordResource(IDR_HOTKEY_VIRTUAL_KEY, "HOTKEY", &value)) << "two bytes are not a value";
    EXPECT_EQ(value, 0xCAFEu);
    EXPECT_FALSE(CPinDlg::ReadDwordResource(IDR_HOTKEY_MODIFIERS, "NOSUCHTYPE", &value));
    EXPECT_EQ(value, 0xCAFEu);
}

TEST(MainDialogConstruction, AShortResourceKeepsTheShippedKey) {
    CPinDlg dialog(nullptr);
    EXPECT_EQ(dialog.Hotkey().modifiers, 5u) << "read from the complete resource";
    EXPECT_EQ(dialog.Hotkey().virtualKey, kShippedHotkey.virtualKey) << "the short one falls back to F7";
    EXPECT_FALSE(dialog.HotkeyChanged());
    EXPECT_FALSE(dialog.IsShown());
}

TEST(MainDialogConstruction, ModulePathIsThisExecutable) {
    CPinDlg dialog(nullptr);
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    CString full, directory, name, updater;
    ASSERT_TRUE(dialog.GetModulePath(ModulePathFull, full));
    EXPECT_STREQ(full, self);
    ASSERT_TRUE(dialog.GetModulePath(ModulePathDirectory, directory));
    ASSERT_TRUE(dialog.GetModulePath(ModulePathFileName, name));
    EXPECT_STREQ(directory + name, self);
    EXPECT_EQ(directory.GetAt(directory.GetLength() - 1), '\\');
    ASSERT_TRUE(dialog.GetUpdaterPath(updater));
    EXPECT_STREQ(updater, directory + "Brisklet.exe");
}

}  // namespace
