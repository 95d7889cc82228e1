// The updater's process entry, in place of the C runtime's start-up code.
// That code parses a command line nobody passes, sets up thread-local
// storage, floating-point state and run-time relocations nobody uses, and is
// half of the file; the updater rides inside every copy of Zorvane.exe, so
// it goes. The C runtime DLL still serves malloc and memcpy: it initialises
// itself when it is loaded, whoever starts the process.
#include <windows.h>

// The linker lays out the static constructors between these markers: a -1,
// the functions, a terminating null.
extern "C" void (*__CTOR_LIST__[])();

extern "C" [[noreturn]] void BriskletStartup()
{
    // The runtime ran them last to first; so does this. None of the updater's
    // statics needs a destructor: the process ends here and the system
    // closes what it held.
    std::size_t count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr)
        ++count;
    while (count > 0)
        __CTOR_LIST__[count--]();

    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT)));
}
