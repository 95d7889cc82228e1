// A program that crashes under the test prefix ends within seconds, with
// Wine's backtrace in its output, rather than behind a debugger's dialog
// that holds the suite's output open (tools/wine-env.sh turns it off).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/UniqueHandle.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileContents.h"
#include "tests/support/ProcessProbe.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ThisProgram.h"

using namespace testsupport;

TEST(CrashTest, ACrashingProgramEndsWithinSecondsWithItsBacktrace) {
    TestFolder folder;
    ChildProcess::Options options;
    options.outputFile = folder.File(L"crash.log");
    ChildProcess crasher = ChildProcess::Start(ThisProgram::Beside(std::wstring(L"CrashTestHelper.exe")), {}, options);
    // The debugger's report takes a second or two; one on a dialog never ends.
    const bool ended = crasher.WaitForExit(10000);
    if (!ended) {  // a debugger left waiting would hold the suite's output open
        for (DWORD pid : ProcessProbe::Named(L"winedbg.exe")) {
            UniqueKernelHandle debugger(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
            if (debugger) TerminateProcess(debugger.get(), 1);
        }
    }
    ASSERT_TRUE(ended) << "the crashed program still runs: a debugger waits";
    EXPECT_NE(crasher.ExitCode(), 0u);
    const Bytes log = FileContents::Read(options.outputFile);
    EXPECT_NE(std::string(log.begin(), log.end()).find("Backtrace:"), std::string::npos);
}
