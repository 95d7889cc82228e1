// Drives the real Brisklet.exe: a copy of it in a fresh folder gets an
// UpdateRequest written into its resources, next to a target executable,
// and runs as the main program would start it.

#include "common/InstanceMarker.h"
#include "common/UniqueHandle.h"
#include "persist/PinRulesFormat.h"
#include "persist/SaveFlow.h"
#include "persist/UpdateRequest.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/CodePage.h"
#include "tests/support/ExeResources.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileHold.h"
#include "tests/support/NamedEvent.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ThisProgram.h"
#include "tests/support/WaitUntil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>
#include "res/resource.h"

namespace {

using testsupport::Bytes;
using testsupport::ChildProcess;
using testsupport::ExeResources;
using testsupport::FileContents;
using testsupport::NamedEvent;
using testsupport::ThisProgram;

const DWORD kUpdaterRunMs = 40000;  // the updater gives up 30 s after its start
const DWORD kStartMs = 15000;
const DWORD kHoldMs = 2000;

constexpr unsigned kMarkerValue = InstanceMarker::kValue;

Bytes Dword(std::uint32_t value) {
    const DwordBytes encoded = EncodeDword(value);
    return Bytes(encoded.bytes, encoded.bytes + 4);
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::string MarkerText(std::uint32_t modifiers, std::uint32_t virtualKey) {
    char text[32];
    std::snprintf(text, sizeof(text), "%08lX %08lX", static_cast<unsigned long>(modifiers),
                  static_cast<unsigned long>(virtualKey));
    return text;
}

class UpdaterRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.Valid());
        m_updater = m_folder.File("Brisklet.exe");
        m_target = m_folder.File("Zorvane.exe");
        ASSERT_TRUE(
            CopyFileA(ThisProgram::Beside(std::string(ZORVANE_BRISKLET_FROM_TESTS)).c_str(), m_updater.c_str(), FALSE))
            << ThisProgram::Beside(std::string(ZORVANE_BRISKLET_FROM_TESTS));
        ASSERT_TRUE(CopyFileA(Helper().c_str(), m_target.c_str(), FALSE)) << Helper();
        // Only a request that carries rules changes them; the updater never reads them.
        ASSERT_TRUE(ExeResources::WriteStoredPinRules(m_target, Text("rules saved before")));
        m_originalTarget = FileContents::Read(m_target);
        m_originalResources = ExeResources::All(m_target);
        ASSERT_EQ(m_originalResources.at(ExeResources::Key("HOTKEY", IDR_HOTKEY_VIRTUAL_KEY, 2052)), Dword(0x76));
    }

    static std::string Helper() { return ThisProgram::Beside(std::string("UpdaterTestHelper.exe")); }

    // The request exactly as the save flow builds it.
    void WriteRequest(std::uint32_t modifiers, std::uint32_t virtualKey, const std::string& path) {
        UpdateRequestPayloads payloads;
        ASSERT_TRUE(BuildUpdateRequestPayloads(modifiers, virtualKey, path.data(), path.size(), payloads));
        std::vector<std::pair<WORD, Bytes>> resources;
        for (std::size_t i = 0; i < UpdateRequest::kPayloadCount; ++i) {
            const RequestPayload payload = PayloadAt(payloads, i);
            const unsigned char* data = static_cast<const unsigned char*>(payload.data);
            resources.emplace_back(payload.id, Bytes(data, data + payload.size));
        }
        ASSERT_TRUE(ExeResources::WriteHotkeys(m_updater, resources));
    }

    void WriteRawRequest(const std::vector<std::pair<WORD, Bytes>>& resources) {
        ASSERT_TRUE(ExeResources::WriteHotkeys(m_updater, resources));
    }

    // The exit code, or STILL_ACTIVE if the updater did not end in time.
    DWORD RunUpdater() const {
        ChildProcess updater = ChildProcess::Start(m_updater);
        EXPECT_TRUE(updater.Started());
        updater.WaitForExit(kUpdaterRunMs);
        return updater.ExitCode();
    }

    // Runs the updater while another process holds the target, shared as
    // share says: the exit code, and how long the run took.
    std::pair<DWORD, DWORD> RunUpdaterWhileHeld(DWORD share) const {
        const UniqueKernelHandle held(
            CreateFileA(m_target.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(held);
        const DWORD start = GetTickCount();
        const DWORD exitCode = RunUpdater();
        return {exitCode, GetTickCount() - start};
    }

    std::string Marker() const { return m_target + ".started"; }

    bool TargetStarted() const {
        return testsupport::WaitUntil([this] { return FileContents::Read(Marker()).size() == 17; }, kStartMs);
    }

    std::string MarkerContents() const {
        const Bytes bytes = FileContents::Read(Marker());
        return std::string(bytes.begin(), bytes.end());
    }

    void ExpectUpdatedTo(std::uint32_t modifiers, std::uint32_t virtualKey, const Bytes* rules = nullptr) const {
        ExeResources::Map expected = m_originalResources;
        expected[ExeResources::Key("HOTKEY", IDR_HOTKEY_MODIFIERS, 2052)] = Dword(modifiers);
        expected[ExeResources::Key("HOTKEY", IDR_HOTKEY_VIRTUAL_KEY, 2052)] = Dword(virtualKey);
        if (rules != nullptr) expected[ExeResources::Key("HOTKEY", 145, 2052)] = *rules;
        EXPECT_EQ(ExeResources::All(m_target), expected);
    }

    // Nothing written, nothing started, no copy left lying about.
    void ExpectLeftAlone(const std::vector<std::wstring>& files = {L"Brisklet.exe", L"Zorvane.exe"}) const {
        EXPECT_EQ(FileContents::Read(m_target), m_originalTarget);
        EXPECT_FALSE(FileContents::Exists(Marker()));
        EXPECT_EQ(m_folder.FileNames(), files);
    }

    testsupport::TestFolder m_folder;
    std::string m_updater;
    std::string m_target;
    Bytes m_originalTarget;
    ExeResources::Map m_originalResources;
};

// A helper process owning a top-level window marked with value; it copies
// the target to snapshot just before it ends.
class MarkedWindowOwner {
public:
    MarkedWindowOwner(const std::string& helper, unsigned value, const std::string& target, const std::string& snapshot)
        : m_ready("ready"), m_quit("quit") {
        m_process = ChildProcess::Start(helper, "window " + std::to_string(value) + " " + m_ready.Name() + " " +
                                                    m_quit.Name() + " \"" + target + "\" \"" + snapshot + "\"");
    }

    bool Ready() const { return m_process.Started() && m_ready.Wait(kStartMs); }
    bool End() const {
        m_quit.Set();
        return m_process.WaitForExit(kStartMs);
    }
    const ChildProcess& process() const { return m_process; }

private:
    NamedEvent m_ready;
    NamedEvent m_quit;
    ChildProcess m_process;
};

}  // namespace

TEST_F(UpdaterRun, ShipsWithItsManifestAlone) {
    const Bytes image = FileContents::Read(m_updater);
    ASSERT_GE(image.size(), 0x40u);
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    // The 64-bit test build's image has the wider optional header.
    const bool wide = sizeof(void*) == 8;
    ASSERT_LE(dos->e_lfanew + (wide ? sizeof(IMAGE_NT_HEADERS64) : sizeof(IMAGE_NT_HEADERS32)), image.size());
    const auto nt32 = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    const auto nt64 = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    ASSERT_EQ(nt32->Signature, IMAGE_NT_SIGNATURE);
    ASSERT_EQ(nt32->OptionalHeader.Magic, wide ? IMAGE_NT_OPTIONAL_HDR64_MAGIC : IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(wide ? nt64->OptionalHeader.Subsystem : nt32->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const IMAGE_DATA_DIRECTORY& resources = wide ? nt64->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE]
                                                 : nt32->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
    EXPECT_NE(resources.VirtualAddress, 0u);
    EXPECT_GE(resources.Size, sizeof(IMAGE_RESOURCE_DIRECTORY));
    EXPECT_EQ(ExeResources::All(m_updater).size(), 1u);  // its manifest
}

TEST_F(UpdaterRun, WithoutARequestEndsWithOneAndChangesNothing) {
    EXPECT_EQ(RunUpdater(), 1u);
    ExpectLeftAlone();
}

TEST_F(UpdaterRun, WritesTheHotkeyIntoTheTargetAndStartsIt) {
    WriteRequest(0x06, 0x41, m_target);
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectUpdatedTo(0x06, 0x41);
    ASSERT_TRUE(TargetStarted());
    // The program that was started is the updated one.
    EXPECT_EQ(MarkerContents(), MarkerText(0x06, 0x41));
    EXPECT_EQ(m_folder.FileNames(),
              (std::vector<std::wstring>{L"Brisklet.exe", L"Zorvane.exe", L"Zorvane.exe.started"}));
}

TEST_F(UpdaterRun, WritesSavedRulesWithTheHotkeyAndOnlyWhenTheyChanged) {
    PinRules rules;
    ASSERT_EQ(rules.Add(L"\x4E50\x8C31.exe"), PinRuleChange::Done);
    Bytes stored;
    EncodePinRules(rules, stored);
    // No updater to extract: each save reuses this one, as after a failed extraction.
    const SaveFlowPaths paths = {m_updater.c_str(), m_target.c_str()};
    ASSERT_TRUE(SaveHotkeyRequest(GetModuleHandleA(nullptr), 999, paths, {6, 0x41}, &rules, [](const char*) {}));
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectUpdatedTo(6, 0x41, &stored);
    const UniqueModule target(LoadLibraryExA(m_target.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    PinRules read;
    EXPECT_TRUE(ReadStoredPinRules(target.get(), read) && read == rules);
    ASSERT_TRUE(SaveHotkeyRequest(GetModuleHandleA(nullptr), 999, paths, {6, 0x41}, nullptr, [](const char*) {}));
    EXPECT_EQ(ExeResources::Read(testsupport::FromAnsi(m_updater), "HOTKEY", 105), std::nullopt) << "no stale rules";
    EXPECT_TRUE(TargetStarted());
}

TEST_F(UpdaterRun, CopiesAllThirtyTwoBitsOfEachValue) {
    WriteRequest(0xDEADBEEFu, 0x80000076u, m_target);
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectUpdatedTo(0xDEADBEEFu, 0x80000076u);
    EXPECT_TRUE(TargetStarted());
}

TEST_F(UpdaterRun, AValueTheSystemDoesNotTakeLeavesTheTargetAsItWasAndEndsWithOne) {
    // A build of the updater whose write of the resource the environment
    // names fails; with none named it works as the updater does.
    ASSERT_TRUE(
        CopyFileA(ThisProgram::Beside(std::string("BriskletRefusingWrite.exe")).c_str(), m_updater.c_str(), FALSE));
    const Bytes rules = Text("rules in the request");
    WriteRequest(2, 0x41, m_target);
    WriteRawRequest({{105, rules}});
    for (const wchar_t* refused : {L"141", L"143", L"145"}) {
        ChildProcess::Options options;
        options.variableName = L"ZORVANE_REFUSED_RESOURCE";
        options.variableValue = refused;
        ChildProcess updater = ChildProcess::Start(m_updater, std::string(), options);
        ASSERT_TRUE(updater.Started());
        ASSERT_TRUE(updater.WaitForExit(kUpdaterRunMs));
        EXPECT_EQ(updater.ExitCode(), 1u) << "refused " << testsupport::ToAnsi(refused);
        ExpectLeftAlone();
    }
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectUpdatedTo(2, 0x41, &rules);
    EXPECT_TRUE(TargetStarted());
}

TEST_F(UpdaterRun, MissingValuesAreWrittenAsZero) {
    WriteRawRequest({{103, Text(m_target)}, {104, Dword(static_cast<std::uint32_t>(m_target.size()))}});
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectUpdatedTo(0, 0);
    EXPECT_TRUE(TargetStarted());
}

TEST_F(UpdaterRun, AnEmptyPathOpensNothingAndEndsWithZero) {
    // Length resource missing, then present with 0: an empty path both times.
    WriteRawRequest({{101, Dword(2)}, {102, Dword(0x41)}, {103, Text(m_target)}});
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectLeftAlone();

    WriteRawRequest({{104, Dword(0)}});
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectLeftAlone();
}

TEST_F(UpdaterRun, ALengthBeyondThePathIsUnusable) {
    const std::uint32_t size = static_cast<std::uint32_t>(m_target.size());
    for (const std::uint32_t length : {size + 1, size + 4096, 0xFFFFFFFFu}) {
        WriteRawRequest({{101, Dword(2)}, {102, Dword(0x41)}, {103, Text(m_target)}, {104, Dword(length)}});
        EXPECT_EQ(RunUpdater(), 1u) << length;
        ExpectLeftAlone();
    }
}

TEST_F(UpdaterRun, AMissingTargetEndsWithZeroAndCreatesNothing) {
    WriteRequest(2, 0x41, m_folder.File("Missing.exe"));
    EXPECT_EQ(RunUpdater(), 0u);
    ExpectLeftAlone();
}

TEST_F(UpdaterRun, ATargetThatIsNoExecutableEndsWithZeroAndStaysAsItWas) {
    const std::string notes = m_folder.File("notes.txt");
    const Bytes text = Text("not an executable\r\n");
    ASSERT_TRUE(FileContents::Write(notes, text));
    WriteRequest(2, 0x41, notes);
    EXPECT_EQ(RunUpdater(), 0u);
    EXPECT_EQ(FileContents::Read(notes), text);
    ExpectLeftAlone({L"Brisklet.exe", L"Zorvane.exe", L"notes.txt"});
}

TEST_F(UpdaterRun, ARunningTargetIsWaitedForAndUpdatedOnceItEnds) {
    NamedEvent ready("ready");
    NamedEvent quit("quit");
    ChildProcess running = ChildProcess::Start(m_target, "hold " + ready.Name() + " " + quit.Name());
    ASSERT_TRUE(running.Started());
    ASSERT_TRUE(ready.Wait(kStartMs));

    WriteRequest(2, 0x41, m_target);
    ChildProcess updater = ChildProcess::Start(m_updater);
    ASSERT_TRUE(updater.Started());
    EXPECT_FALSE(updater.WaitForExit(kHoldMs)) << "the updater waits while the target runs";
    EXPECT_EQ(FileContents::Read(m_target), m_originalTarget);
    quit.Set();
    EXPECT_TRUE(running.WaitForExit(kStartMs));

    ASSERT_TRUE(updater.WaitForExit(kUpdaterRunMs));
    EXPECT_EQ(updater.ExitCode(), 0u);
    ExpectUpdatedTo(2, 0x41);
    ASSERT_TRUE(TargetStarted());
    EXPECT_EQ(m_folder.FileNames(),
              (std::vector<std::wstring>{L"Brisklet.exe", L"Zorvane.exe", L"Zorvane.exe.started"}));
}

TEST_F(UpdaterRun, AHoldOnTheTargetIsWaitedOutBeforeTheOpenAndBeforeTheRename) {
    WriteRequest(2, 0x41, m_target);
    // Sharing neither writes nor deletion refuses the open; sharing writes
    // but not deletion lets the open through and refuses only the rename.
    for (const DWORD share : {DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        const DWORD start = GetTickCount();
        DWORD exitCode = 0;
        {
            testsupport::FileHold hold(testsupport::FromAnsi(m_target), kHoldMs, share);
            ASSERT_TRUE(hold.Held());
            exitCode = RunUpdater();
        }
        EXPECT_EQ(exitCode, 0u) << "share " << share;
        EXPECT_GE(GetTickCount() - start, kHoldMs) << "share " << share;
        ExpectUpdatedTo(2, 0x41);
        ASSERT_TRUE(TargetStarted()) << "share " << share;
        EXPECT_EQ(m_folder.FileNames(),
                  (std::vector<std::wstring>{L"Brisklet.exe", L"Zorvane.exe", L"Zorvane.exe.started"}))
            << "no copy left behind; share " << share;
        DeleteFileA(Marker().c_str());
    }
}

TEST_F(UpdaterRun, AReadOnlyTargetIsGivenUpAtOnce) {
    WriteRequest(2, 0x41, m_target);
    ASSERT_TRUE(SetFileAttributesA(m_target.c_str(), FILE_ATTRIBUTE_READONLY));
    // Windows refuses the open of a read-only file for writing. Root under
    // Wine is let through, and the rename over the file is then refused
    // while another process holds it without sharing deletion: the same
    // error on the same file.
    const auto [exitCode, elapsed] = RunUpdaterWhileHeld(FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_LT(elapsed, testsupport::kActionTimeoutMs) << "the bound is spent only on a file that may come free";
    ExpectLeftAlone();
}

TEST_F(UpdaterRun, ATargetHeldPastTheBoundIsLeftAloneThirtySecondsAfterTheStart) {
    // The wait for the main program counts towards the same bound.
    MarkedWindowOwner owner(Helper(), kMarkerValue, m_target, m_folder.File("unused.bin"));
    ASSERT_TRUE(owner.Ready());
    WriteRequest(2, 0x41, m_target);
    const auto [exitCode, elapsed] = RunUpdaterWhileHeld(FILE_SHARE_READ);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_GE(elapsed, 29500u);
    EXPECT_LT(elapsed, 35000u);
    ExpectLeftAlone();
    EXPECT_TRUE(owner.End());
}

TEST_F(UpdaterRun, WaitsForTheProcessOfTheMarkedWindow) {
    const std::string snapshot = m_folder.File("seen-by-owner.bin");
    MarkedWindowOwner owner(Helper(), kMarkerValue, m_target, snapshot);
    ASSERT_TRUE(owner.Ready());
    WriteRequest(2, 0x41, m_target);

    ChildProcess updater = ChildProcess::Start(m_updater);
    ASSERT_TRUE(updater.Started());
    // Without the wait the whole run takes well under a second.
    EXPECT_FALSE(updater.WaitForExit(2000));
    EXPECT_EQ(FileContents::Read(m_target), m_originalTarget);

    ASSERT_TRUE(owner.End());
    ASSERT_TRUE(updater.WaitForExit(kUpdaterRunMs));
    EXPECT_EQ(updater.ExitCode(), 0u);
    // The target as it was at the very end of the owner's process.
    EXPECT_EQ(FileContents::Read(snapshot), m_originalTarget);
    ExpectUpdatedTo(2, 0x41);
    EXPECT_TRUE(TargetStarted());
}

TEST_F(UpdaterRun, AWindowMarkedWithAnotherValueIsNotWaitedFor) {
    for (const unsigned value : {kMarkerValue - 1, kMarkerValue + 1, 0x7F20u}) {
        MarkedWindowOwner owner(Helper(), value, m_target, m_folder.File("unused.bin"));
        ASSERT_TRUE(owner.Ready());
        WriteRequest(value & 0x0F, 0x41, m_target);
        EXPECT_EQ(RunUpdater(), 0u) << value;
        EXPECT_TRUE(owner.process().Running()) << value;
        ExpectUpdatedTo(value & 0x0F, 0x41);
        ASSERT_TRUE(TargetStarted());
        DeleteFileA(Marker().c_str());
        EXPECT_TRUE(owner.End());
    }
}

TEST_F(UpdaterRun, GivesUpWaitingAfterTwentySeconds) {
    MarkedWindowOwner owner(Helper(), kMarkerValue, m_target, m_folder.File("unused.bin"));
    ASSERT_TRUE(owner.Ready());
    WriteRequest(2, 0x41, m_target);

    const DWORD start = GetTickCount();
    ChildProcess updater = ChildProcess::Start(m_updater);
    ASSERT_TRUE(updater.WaitForExit(kUpdaterRunMs));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 19500u);
    // Not the whole run's 30 s: a target that comes free late needs time left.
    EXPECT_LT(elapsed, 26000u) << "the wait for the program outlasted its 20 s";
    EXPECT_EQ(updater.ExitCode(), 0u);
    EXPECT_TRUE(owner.process().Running());
    ExpectUpdatedTo(2, 0x41);
    EXPECT_TRUE(TargetStarted());
    EXPECT_TRUE(owner.End());
}

TEST_F(UpdaterRun, KilledDuringTheCommitLeavesTheOldTargetOrTheNewOne) {
    // Large enough that writing it takes a while.
    HANDLE update = BeginUpdateResourceA(m_target.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    Bytes ballast(48 * 1024 * 1024);
    for (std::size_t i = 0; i < ballast.size(); ++i) ballast[i] = static_cast<unsigned char>(i * 2654435761u >> 24);
    ASSERT_TRUE(UpdateResourceA(update, RT_RCDATA, MAKEINTRESOURCEA(8), 2052, ballast.data(),
                                static_cast<DWORD>(ballast.size())));
    ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
    m_originalTarget = FileContents::Read(m_target);
    m_originalResources = ExeResources::All(m_target);
    ASSERT_EQ(m_originalResources.size(), 7u);

    WriteRequest(2, 0x41, m_target);
    WIN32_FILE_ATTRIBUTE_DATA before;
    ASSERT_TRUE(GetFileAttributesExA(m_target.c_str(), GetFileExInfoStandard, &before));
    const std::vector<std::wstring> quiet = m_folder.FileNames();

    ChildProcess updater = ChildProcess::Start(m_updater);
    ASSERT_TRUE(updater.Started());
    // Strike as soon as the commit shows: a new file beside the target, or
    // the target itself changing.
    const bool committing = testsupport::WaitUntil(
        [&] {
            WIN32_FILE_ATTRIBUTE_DATA now;
            if (!GetFileAttributesExA(m_target.c_str(), GetFileExInfoStandard, &now) ||
                now.nFileSizeLow != before.nFileSizeLow ||
                CompareFileTime(&now.ftLastWriteTime, &before.ftLastWriteTime) != 0)
                return true;
            return m_folder.FileNames() != quiet || updater.WaitForExit(0);
        },
        kUpdaterRunMs, 0);
    ASSERT_TRUE(committing);
    TerminateProcess(updater.Handle(), 99);
    ASSERT_TRUE(updater.WaitForExit(kStartMs));

    if (FileContents::Read(m_target) != m_originalTarget) ExpectUpdatedTo(2, 0x41);
}
