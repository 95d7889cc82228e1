#include "app/ForeignWindow.h"

#include "app/TitleText.h"

namespace foreign_window {

bool OfOtherThread(HWND window) { return ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId(); }

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

bool AnswersPromptly(HWND window) {
    if (!OfOtherThread(window)) return true;
    DWORD_PTR answer = 0;
    // Blocking keeps messages sent to this thread from running inside the
    // wait, where they could change what the caller is in the middle of.
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerMs, &answer) != 0;
}

std::size_t Title(HWND window, wchar_t* out, std::size_t size) {
    // One unit more than fits tells a title that must be cut.
    wchar_t title[258];
    const std::size_t room = size < 257 ? size : 257;
    const int length = ::InternalGetWindowText(window, title, static_cast<int>(room + 1));
    const std::size_t cut = ShortenTitle(title, length > 0 ? static_cast<std::size_t>(length) : 0, room - 1);
    for (std::size_t i = 0; i <= cut; ++i) out[i] = title[i];
    return cut;
}

}  // namespace foreign_window
