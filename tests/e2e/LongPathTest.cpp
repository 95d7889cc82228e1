// A copy of the program in a folder whose path does not fit the ANSI
// interfaces: under 260 characters, but over 260 bytes in code page 936. Its
// own path cut short would name a file in a folder further up; nothing there
// is ever taken for its updater.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/HotkeyEditor.h"
#include "tests/e2e/ZorvaneFixture.h"
#include "tests/support/CodePage.h"
#include "tests/support/FileContents.h"
#include "tests/support/MessageBoxProbe.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/WaitUntil.h"

using namespace testsupport;

namespace {

std::wstring DoubleByteName() {
    std::wstring name;
    for (int i = 0; i < 40; ++i) name += L"置顶";  // 80 characters, 160 bytes
    return name;
}

class LongPathTest : public ZorvaneTest {
protected:
    LongPathTest() : m_outer(DoubleByteName()), m_inner(m_outer + L"\\" + DoubleByteName()) {
        // No process is named after a path: the fixture's look-ups by name
        // find nothing, and its process family alone follows what runs.
        m_appName = m_inner + L"\\" + kAppName;
    }

    void SetUp() override {
        ASSERT_TRUE(m_folder.MakeDirectory(m_outer));
        ASSERT_TRUE(m_folder.MakeDirectory(m_inner));
        ZorvaneTest::SetUp();
        ASSERT_GT(ToAnsi(AppPath()).size(), size_t{MAX_PATH});
    }

    // Every folder a cut path could point into, the program's own included.
    std::vector<std::wstring> Folders() const { return {L"", m_outer + L"\\", m_inner + L"\\"}; }

    const std::wstring m_outer;
    const std::wstring m_inner;
};

TEST_F(LongPathTest, AFileOfTheUpdatersNameFurtherUpIsNoLeftoverOfIts) {
    for (const std::wstring& folder : {std::wstring(), m_outer + L"\\"})
        ASSERT_TRUE(m_folder.WriteBytes(folder + kUpdaterName, "MZ not this program's"));
    AppInstance app;
    ASSERT_NE(StartAndWaitForDialog(app), nullptr) << "the start took a file elsewhere for its leftover";
    for (const std::wstring& folder : {std::wstring(), m_outer + L"\\"})
        EXPECT_TRUE(m_folder.Exists(folder + kUpdaterName)) << "a file of another folder was deleted";
}

TEST_F(LongPathTest, AChangedHotkeyIsReportedAsUnsavedAndNothingIsWrittenOrStarted) {
    const Bytes before = FileContents::Read(AppPath());
    AppInstance app;
    HWND dialog = StartAndWaitForDialog(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(HotkeyEditor::Unlock(dialog));
    ASSERT_TRUE(HotkeyEditor::Type(dialog, {VK_F6}, MAKEWORD(VK_F6, 0)));
    ASSERT_TRUE(WaitUntil([&] { return HotkeyTaken(0, VK_F6); }, kActionTimeoutMs));
    PostMessageW(dialog, WM_COMMAND, kTrayExitCommand, 0);

    // The two reports of an updater that cannot be written, in their order.
    for (const wchar_t* report : {L"Extract Error!", L"Open File Resource Failed!"}) {
        HWND box = MessageBoxProbe::WaitFor(app.Pid(), report, kActionTimeoutMs);
        ASSERT_NE(box, nullptr) << "no report";
        EXPECT_EQ(MessageBoxProbe::Message(box), report);
        ASSERT_TRUE(MessageBoxProbe::PressOk(box, kActionTimeoutMs));
    }
    ASSERT_TRUE(app.WaitForExit(kActionTimeoutMs));
    ASSERT_TRUE(WaitUntil([&] { return !m_family.AnyRunning(); }, kActionTimeoutMs)) << "something was started";
    EXPECT_TRUE(ProcessProbe::Named(kUpdaterName).empty());
    for (const std::wstring& folder : Folders())
        EXPECT_FALSE(m_folder.Exists(folder + kUpdaterName)) << "an updater was written";
    EXPECT_EQ(FileContents::Read(AppPath()), before);
}

}  // namespace
