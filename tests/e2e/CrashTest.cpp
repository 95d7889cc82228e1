// A program that crashes under the test prefix ends within seconds, with
// Wine's backtrace in its output. By default Wine's debugger would show a
// dialog and wait for an answer, with the crashed program and the suite's
// output held open (tools/wine-env.sh turns the dialog off).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/UniqueHandle.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ThisProgram.h"
#include "tests/support/WaitUntil.h"

using namespace testsupport;

namespace {

// The debugger's report takes a second or two; a debugger that waits on a
// dialog never ends.
constexpr DWORD kCrashEndsWithinMs = 10000;

// A debugger left waiting would hold the suite's output open: a failed case
// ends it.
void EndDebuggers() {
    for (DWORD pid : ProcessProbe::Named(L"winedbg.exe")) {
        UniqueKernelHandle debugger(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
        if (debugger) TerminateProcess(debugger.get(), 1);
    }
}

}  // namespace

TEST(CrashTest, ACrashingProgramEndsWithinSecondsWithItsBacktrace) {
    TestFolder folder;
    ASSERT_TRUE(folder.Valid());
    ChildProcess::Options options;
    options.outputFile = folder.File(L"crash.log");
    ChildProcess crasher = ChildProcess::Start(ThisProgram::Beside(std::wstring(L"CrashTestHelper.exe")), {}, options);
    ASSERT_TRUE(crasher.Started()) << "CreateProcess failed with error " << crasher.StartError();

    const bool ended = crasher.WaitForExit(kCrashEndsWithinMs);
    if (!ended) EndDebuggers();
    ASSERT_TRUE(ended) << "the crashed program still runs after " << kCrashEndsWithinMs << " ms: a debugger waits";
    EXPECT_NE(crasher.ExitCode(), 0u);
    std::string log;
    EXPECT_TRUE(WaitUntil(
        [&] {
            const Bytes bytes = FileContents::Read(options.outputFile);
            log.assign(bytes.begin(), bytes.end());
            return log.find("Backtrace:") != std::string::npos;
        },
        kActionTimeoutMs))
        << "no backtrace in the crashed program's output:\n"
        << log;
}
