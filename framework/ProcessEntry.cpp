// The process entry for executables built on the framework, in place of the
// C runtime's start-up code. That code parses a command line, sets up
// thread-local storage, run-time relocations and an exception filter, none
// of which a framework application uses, and costs a tenth of the file.
// What the application does rely on is kept: the floating-point state the
// rest of the toolchain's programs start with, static constructors before
// the application runs and static destructors after it. The C runtime DLL
// still serves malloc and the string functions; it initialises itself when
// it is loaded, whoever starts the process.
#include "common/StaticConstructors.h"
#include "framework/CWinApp.h"
#include "framework/ExitFunctionList.h"

#include <windows.h>

namespace {

// Static destructors register here at their construction, before any
// constructor of the list itself could run: it needs none.
ExitFunctionList g_exitFunctions;

}  // namespace

// The compiler registers static destructors here. Only an exhausted heap
// refuses one, with the failure the C library documents.
extern "C" int atexit(ExitFunctionList::Function function) { return g_exitFunctions.Add(function) ? 0 : -1; }

extern "C" [[noreturn]] void FrameworkProcessEntry() {
    // Extended precision, as the toolchain's own start-up code leaves it; the
    // system starts a process in double precision, and colour arithmetic
    // would round differently from every test of it.
    __asm__ __volatile__("fninit");
    RunStaticConstructors();
    const int exitCode = CWinApp::AfxWinMain(::GetModuleHandleW(nullptr));
    g_exitFunctions.RunAll();
    ::ExitProcess(static_cast<UINT>(exitCode));
}
