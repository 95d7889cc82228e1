// Looking at another program's window without waiting on that program: a
// program that does not answer must never hold up this one.
#pragma once
#include <windows.h>

#include <cstddef>

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

}  // namespace foreign_window
