// Drives a running Zorvane from outside, for the screenshot script: finds the
// main dialog by its instance marker, reports where windows are, moves the
// pointer, opens the About box through the tray command and ends the
// program. It runs inside the utility's Wine desktop, whose programs have no
// terminal, so every answer goes to a file: one line "ok ..." or "error ...".
//
//   zvctl OUTFILE main TIMEOUT_MS     main dialog and Exit button rectangles
//   zvctl OUTFILE pointer X Y         moves the pointer to X, Y
//   zvctl OUTFILE about TIMEOUT_MS    opens the About box, reports its rectangle
//   zvctl OUTFILE quit TIMEOUT_MS     closes the About box, then the program
//
// Rectangles are "x y w h" in desktop coordinates.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr UINT kTrayAbout = 32772;
constexpr UINT kTrayExit = 32771;
constexpr int kExitButtonId = IDCANCEL;
constexpr INT_PTR kMarkerValue = 2034;

HWND FindMainDialog() {
    struct Search {
        HWND found = nullptr;
        static BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
            auto* self = reinterpret_cast<Search*>(lParam);
            if (reinterpret_cast<INT_PTR>(::GetPropW(hwnd, L"Quellbrand")) == kMarkerValue) {
                self->found = hwnd;
                return FALSE;
            }
            return TRUE;
        }
    } search;
    ::EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible dialog of the utility's process other than the main dialog.
HWND FindOtherDialog(HWND mainDialog) {
    struct Search {
        HWND main;
        DWORD process;
        HWND found = nullptr;
        static BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
            auto* self = reinterpret_cast<Search*>(lParam);
            DWORD process = 0;
            ::GetWindowThreadProcessId(hwnd, &process);
            wchar_t cls[16] = {};
            ::GetClassNameW(hwnd, cls, 16);
            if (hwnd != self->main && process == self->process && ::IsWindowVisible(hwnd) &&
                std::wcscmp(cls, L"#32770") == 0) {
                self->found = hwnd;
                return FALSE;
            }
            return TRUE;
        }
    } search{mainDialog, 0};
    ::GetWindowThreadProcessId(mainDialog, &search.process);
    ::EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls until found() gives a window or timeoutMs has passed.
template <class Find>
HWND WaitFor(Find found, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND hwnd = found()) return hwnd;
        if (::GetTickCount() - start >= timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

bool WaitGone(HWND hwnd, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(hwnd)) {
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(50);
    }
    return true;
}

// Paints whatever the window still has to paint before answering.
void Settle(HWND hwnd) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::string RectText(HWND hwnd) {
    RECT r = {};
    ::GetWindowRect(hwnd, &r);
    char text[64];
    std::snprintf(text, sizeof(text), "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return text;
}

bool WriteAnswer(const char* path, const std::string& line) {
    // Written aside and moved into place, so a reader never sees half.
    const std::string partial = std::string(path) + ".part";
    FILE* f = std::fopen(partial.c_str(), "wb");
    if (f == nullptr) return false;
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
    return ::MoveFileExA(partial.c_str(), path, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

DWORD Number(const char* text) { return static_cast<DWORD>(std::strtoul(text, nullptr, 10)); }

std::string Run(int argc, char** argv) {
    const std::string command = argv[2];
    if (command == "main" && argc == 4) {
        HWND main = WaitFor([] {
            HWND hwnd = FindMainDialog();
            return hwnd != nullptr && ::IsWindowVisible(hwnd) ? hwnd : nullptr;
        }, Number(argv[3]));
        if (main == nullptr) return "error no main dialog";
        HWND exitButton = ::GetDlgItem(main, kExitButtonId);
        if (exitButton == nullptr) return "error no Exit button";
        Settle(main);
        return "ok " + RectText(main) + " " + RectText(exitButton);
    }
    if (command == "pointer" && argc == 5) {
        const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        if (!::SetCursorPos(x, y)) return "error SetCursorPos failed";
        POINT at = {};
        ::GetCursorPos(&at);
        if (at.x != x || at.y != y) return "error the pointer did not move";
        return "ok";
    }
    if (command == "about" && argc == 4) {
        HWND main = FindMainDialog();
        if (main == nullptr) return "error no main dialog";
        ::PostMessageW(main, WM_COMMAND, kTrayAbout, 0);
        HWND about = WaitFor([main] { return FindOtherDialog(main); }, Number(argv[3]));
        if (about == nullptr) return "error the About box did not open";
        Settle(about);
        return "ok " + RectText(about);
    }
    if (command == "quit" && argc == 4) {
        const DWORD timeout = Number(argv[3]);
        HWND main = FindMainDialog();
        if (main == nullptr) return "error no main dialog";
        if (HWND about = FindOtherDialog(main)) {
            ::PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
            if (!WaitGone(about, timeout)) return "error the About box did not close";
        }
        ::PostMessageW(main, WM_COMMAND, kTrayExit, 0);
        if (!WaitGone(main, timeout)) return "error the program did not end";
        return "ok";
    }
    return "error usage: zvctl OUTFILE main|pointer|about|quit ARGS";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zvctl OUTFILE main|pointer|about|quit ARGS\n");
        return 2;
    }
    const std::string answer = Run(argc, argv);
    if (!WriteAnswer(argv[1], answer)) return 2;
    return answer.compare(0, 2, "ok") == 0 ? 0 : 1;
}
