// The save flow's steps and reports, and the keys the main dialog keeps from
// its default handling.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Pinning.h"
#include "common/ResourceView.h"
#include "common/UniqueHandle.h"
#include "persist/SaveFlow.h"
#include "persist/UpdateRequest.h"
#include "res/resource.h"
#include "tests/support/FileContents.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ThisProgram.h"

namespace {

using testsupport::Bytes;
using testsupport::FileContents;

std::vector<std::string> g_reports;
void Record(const char* message) { g_reports.emplace_back(message); }

constexpr UINT kNoSuchResource = 999;

ResourceView Resource(HMODULE module, WORD id) {
    return FindModuleResource(module, MAKEINTRESOURCEA(id), UpdateRequest::kResourceType);
}

// A file that takes resource updates, as an updater left by an earlier save.
bool CopyThisProgram(const std::string& path) {
    char self[MAX_PATH] = {};
    return ::GetModuleFileNameA(nullptr, self, MAX_PATH) != 0 && ::CopyFileA(self, path.c_str(), FALSE);
}

}  // namespace

TEST(SaveFlow, AnUpdaterThatCannotBeWrittenIsReportedStepByStep) {
    g_reports.clear();
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string updater = folder.File(std::string("no-such-folder\\deeper\\Brisklet.exe"));
    EXPECT_FALSE(SaveHotkeyRequest(::GetModuleHandleA(nullptr), kNoSuchResource, {updater.c_str(), "C:\\Zorvane.exe"},
                                   {0x01, 0x77}, nullptr, Record));
    EXPECT_EQ(g_reports, (std::vector<std::string>{"Extract Error!", "Open File Resource Failed!"}));
}

TEST(SaveFlow, AnUpdaterAlreadyThereTakesTheRequestEvenWhenExtractionFails) {
    g_reports.clear();
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string updater = folder.File(std::string("Brisklet.exe"));
    ASSERT_TRUE(CopyThisProgram(updater));

    const char target[] = "C:\\games\\Zorvane.exe";
    EXPECT_TRUE(SaveHotkeyRequest(::GetModuleHandleA(nullptr), kNoSuchResource, {updater.c_str(), target}, {0x03, 0x77},
                                  nullptr, Record));
    EXPECT_EQ(g_reports, std::vector<std::string>{"Extract Error!"});

    // Let go before the folder goes, even when an assertion below fails: a
    // mapped file cannot be deleted.
    const UniqueModule module(::LoadLibraryExA(updater.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    HMODULE written = module.get();
    ASSERT_NE(written, nullptr);
    UpdateRequest request;
    const RequestResources resources{
        Resource(written, UpdateRequest::kModifiersId), Resource(written, UpdateRequest::kVirtualKeyId),
        Resource(written, UpdateRequest::kPathId), Resource(written, UpdateRequest::kPathLengthId)};
    ASSERT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.modifiers, 0x03u);
    EXPECT_EQ(request.virtualKey, 0x77u);
    EXPECT_EQ(std::string(request.path, request.pathLength), target);
}

TEST(SaveFlow, WithoutAPathOfItsOwnTheProgramReportsAnUpdaterThatCannotBeWrittenAndWritesNothing) {
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string updater = folder.File(std::string("Brisklet.exe"));
    ASSERT_TRUE(CopyThisProgram(updater));
    const Bytes before = FileContents::Read(updater);

    // An updater that would take the request lies where the half-known path points.
    for (const SaveFlowPaths& paths : {SaveFlowPaths{}, SaveFlowPaths{updater.c_str(), nullptr}}) {
        g_reports.clear();
        EXPECT_FALSE(
            SaveHotkeyRequest(::GetModuleHandleA(nullptr), kNoSuchResource, paths, {0x01, 0x77}, nullptr, Record));
        EXPECT_EQ(g_reports, (std::vector<std::string>{"Extract Error!", "Open File Resource Failed!"}));
        EXPECT_EQ(FileContents::Read(updater), before);
    }
}

TEST(SaveFlow, AnUpdaterLeftByAnEarlierVersionIsReplacedWhole) {
    const UniqueModule program(::LoadLibraryExW(testsupport::ThisProgram::Beside(ZORVANE_EXE_FROM_TESTS).c_str(),
                                                nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program) << "cannot open the built program";
    const ResourceView updater = FindModuleResource(program.get(), MAKEINTRESOURCEA(IDR_UPDATER_EXE), "EXE");
    ASSERT_TRUE(updater);
    testsupport::TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    const std::string leftover = folder.File(std::string("Brisklet.exe"));
    const std::string fresh = folder.File(std::string("fresh\\Brisklet.exe"));
    testsupport::Bytes older(updater.data, updater.data + updater.size);
    older.resize(older.size() + 4096, 0xCC);
    ASSERT_TRUE(testsupport::FileContents::Write(leftover, older));

    g_reports.clear();
    const char target[] = "C:\\Tools\\Zorvane.exe";
    EXPECT_TRUE(
        SaveHotkeyRequest(program.get(), IDR_UPDATER_EXE, {leftover.c_str(), target}, {4, 0x77}, nullptr, Record));
    EXPECT_TRUE(SaveHotkeyRequest(program.get(), IDR_UPDATER_EXE, {fresh.c_str(), target}, {4, 0x77}, nullptr, Record));
    EXPECT_EQ(g_reports, std::vector<std::string>{});
    // The measure is the same save where no updater was.
    const testsupport::Bytes replaced = testsupport::FileContents::Read(leftover);
    const testsupport::Bytes expected = testsupport::FileContents::Read(fresh);
    EXPECT_TRUE(replaced == expected) << "nothing of the older file is left: " << replaced.size() << " bytes, not "
                                      << expected.size();
}

TEST(DialogKeys, EscapeMinimizesAndTheKeysThatWouldPressAButtonAreDiscarded) {
    EXPECT_EQ(ActionForDialogKey(WM_KEYDOWN, VK_ESCAPE), DialogKeyAction::Minimize);
    for (WPARAM key : {VK_RETURN, VK_SPACE, VK_F1})
        EXPECT_EQ(ActionForDialogKey(WM_KEYDOWN, key), DialogKeyAction::Discard);
    EXPECT_EQ(ActionForDialogKey(0x004D, 0), DialogKeyAction::Discard) << "the system's own F1 message";
    EXPECT_EQ(ActionForDialogKey(WM_KEYDOWN, 'A'), DialogKeyAction::Dispatch);
    EXPECT_EQ(ActionForDialogKey(WM_KEYUP, VK_ESCAPE), DialogKeyAction::Dispatch);
    EXPECT_EQ(ActionForDialogKey(WM_CHAR, VK_RETURN), DialogKeyAction::Dispatch);
}
