// The save flow's steps and reports, and the keys the main dialog keeps from
// its default handling.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Pinning.h"
#include "common/ResourceView.h"
#include "persist/SaveFlow.h"
#include "persist/UpdateRequest.h"

namespace {

std::vector<std::string> g_reports;
void Record(const char* message) { g_reports.emplace_back(message); }

constexpr UINT kNoSuchResource = 999;

std::string TempPath() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return folder;
}

ResourceView Resource(HMODULE module, WORD id) {
    return FindModuleResource(module, MAKEINTRESOURCEA(id), UpdateRequest::kResourceType);
}

}  // namespace

TEST(SaveFlow, AnUpdaterThatCannotBeWrittenIsReportedStepByStep) {
    g_reports.clear();
    const std::string updater = TempPath() + "zv-no-such-folder\\deeper\\Brisklet.exe";
    EXPECT_FALSE(SaveHotkeyRequest(::GetModuleHandleA(nullptr), kNoSuchResource, {updater.c_str(), "C:\\Zorvane.exe"},
                                   {0x01, 0x77}, Record));
    EXPECT_EQ(g_reports, (std::vector<std::string>{"Extract Error!", "Open File Resource Failed!"}));
}

TEST(SaveFlow, AnUpdaterAlreadyThereTakesTheRequestEvenWhenExtractionFails) {
    g_reports.clear();
    char updater[MAX_PATH] = {};
    ASSERT_NE(::GetTempFileNameA(TempPath().c_str(), "zv", 0, updater), 0u);
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(::CopyFileA(self, updater, FALSE));

    const char target[] = "C:\\games\\Zorvane.exe";
    EXPECT_TRUE(
        SaveHotkeyRequest(::GetModuleHandleA(nullptr), kNoSuchResource, {updater, target}, {0x03, 0x77}, Record));
    EXPECT_EQ(g_reports, std::vector<std::string>{"Extract Error!"});

    HMODULE written = ::LoadLibraryExA(updater, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(written, nullptr);
    UpdateRequest request;
    const RequestResources resources{
        Resource(written, UpdateRequest::kModifiersId), Resource(written, UpdateRequest::kVirtualKeyId),
        Resource(written, UpdateRequest::kPathId), Resource(written, UpdateRequest::kPathLengthId)};
    ASSERT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.modifiers, 0x03u);
    EXPECT_EQ(request.virtualKey, 0x77u);
    EXPECT_EQ(std::string(request.path, request.pathLength), target);
    ::FreeLibrary(written);
    ::DeleteFileA(updater);
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
