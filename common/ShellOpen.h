// Opening a file through the shell with the verb "open", as a double click
// would: the updater's start, the program's restart after an update, a
// button's link target.
#pragma once
#include <windows.h>
#include <shellapi.h>

// Opens file shown as showCommand, with the launch record's SEE_MASK_ flags
// in mask. A process the shell hands back is not waited for by anyone: its
// handle is closed at once. False when the shell could not open the file.
bool ShellOpen(const char* file, ULONG mask, int showCommand);
