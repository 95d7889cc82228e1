// The updater's process entry, in place of the C runtime's start-up code.
// That code parses a command line nobody passes, sets up thread-local
// storage, floating-point state and run-time relocations nobody uses, and is
// half of the file; the updater rides inside every copy of Zorvane.exe, so
// it goes. The C runtime DLL still serves malloc and memcpy: it initialises
// itself when it is loaded, whoever starts the process.
#include "common/StaticConstructors.h"

#include <windows.h>

extern "C" [[noreturn]] void BriskletStartup() {
    // None of the updater's statics needs a destructor: the process ends here
    // and the system closes what it held.
    RunStaticConstructors();

    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT)));
}
