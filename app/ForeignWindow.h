// Looking at another program's window without waiting on that program: a
// program that does not answer must never hold up this one.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

#include "app/WindowSelection.h"

namespace foreign_window {

// How long a program may take to answer before it counts as not answering.
constexpr DWORD kAnswerMs = 300;

bool OfOtherThread(HWND window);
DWORD ProcessOf(HWND window);
// True for a window of this thread, or one whose program answered within
// kAnswerMs; this thread takes no other message meanwhile.
bool AnswersPromptly(HWND window);
// The title the system holds for the window, into out of size units, cut
// with "…" to fit (TitleText.h); its program is not asked. Returns its
// length.
std::size_t Title(HWND window, wchar_t* out, std::size_t size);

// The file name of the process's program ("SheetView.exe"), from the
// system's list of processes; false, and out empty, when it is not there.
bool ProgramName(DWORD process, wchar_t (&out)[MAX_PATH]);

// The window's small icon, or its class's; its program is asked only until
// deadline (a GetTickCount value), and then only briefly. Null for none.
HICON SmallIcon(HWND window, DWORD deadline);

// Every top-level window, the topmost first, as the system lists them.
std::vector<HWND> TopLevelWindows();

// What the choice of windows looks at (WindowSelection.h); className
// receives the window's class name.
WindowTraits Traits(HWND window, wchar_t (&className)[64]);

}  // namespace foreign_window
