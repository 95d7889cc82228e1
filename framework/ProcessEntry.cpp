// The process entry for executables built on the framework, in place of the
// C runtime's start-up code. That code parses a command line, sets up
// thread-local storage, run-time relocations and an exception filter, none
// of which a framework application uses, and costs a tenth of the file.
// What the application does rely on is kept: the floating-point state the
// rest of the toolchain's programs start with, static constructors before
// the application runs and static destructors after it. The C runtime DLL
// still serves malloc and the string functions; it initialises itself when
// it is loaded, whoever starts the process.
#include "CWinApp.h"

#include <windows.h>

// The linker lays out the static constructors between these markers: a -1,
// the functions, a terminating null.
extern "C" void (*__CTOR_LIST__[])();

namespace {

using ExitFunction = void (*)();

// Every static with a destructor registers one, at its construction; a
// framework application has a handful.
ExitFunction g_exitFunctions[64];
int g_exitFunctionCount = 0;

void RunStaticConstructors()
{
    // The runtime runs them last to first; so does this.
    int count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr)
        ++count;
    while (count > 0)
        __CTOR_LIST__[count--]();
}

void RunExitFunctions()
{
    while (g_exitFunctionCount > 0)
        g_exitFunctions[--g_exitFunctionCount]();
}

} // namespace

// The compiler registers static destructors here. The table is full only if
// an application grows far beyond what the framework was made for; the
// failure is the one the C library documents, and the destructor, which
// would only have run at exit, does not.
extern "C" int atexit(ExitFunction function)
{
    if (g_exitFunctionCount == static_cast<int>(sizeof(g_exitFunctions) / sizeof(g_exitFunctions[0])))
        return -1;
    g_exitFunctions[g_exitFunctionCount++] = function;
    return 0;
}

extern "C" [[noreturn]] void FrameworkProcessEntry()
{
    // Extended precision, as the toolchain's own start-up code leaves it; the
    // system starts a process in double precision, and colour arithmetic
    // would round differently from every test of it.
    __asm__ __volatile__("fninit");
    RunStaticConstructors();
    const int exitCode = CWinApp::AfxWinMain(::GetModuleHandleW(nullptr));
    RunExitFunctions();
    ::ExitProcess(static_cast<UINT>(exitCode));
}
