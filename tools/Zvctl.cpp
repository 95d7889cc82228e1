// Drives a running Zorvane from outside, for the run and screenshot scripts:
// finds the main dialog by its instance marker, reports where windows are,
// moves the pointer, opens the tray menu and the About box, edits the hotkey
// and ends the program. It runs inside the utility's Wine desktop, whose
// programs have no terminal, so every answer goes to a file: one line
// "ok ..." or "error ...".
//
//   zvctl OUTFILE main TIMEOUT_MS     main dialog, Exit button and cross-hair
//                                     rectangles
//   zvctl OUTFILE pointer X Y         moves the pointer to X, Y
//   zvctl OUTFILE tray-menu TIMEOUT_MS
//                                     opens the tray menu at the pointer,
//                                     reports its rectangle
//   zvctl OUTFILE close-menu TIMEOUT_MS
//   zvctl OUTFILE unlock TIMEOUT_MS   clicks Set, waits for the editor
//   zvctl OUTFILE type MODIFIERS KEY TIMEOUT_MS
//                                     puts the combination (hotkey control
//                                     flags, virtual key; decimal or 0x) into
//                                     the unlocked editor and releases a key
//                                     there; answers "registered" or "taken"
//   zvctl OUTFILE hold MODIFIERS KEY  registers the combination (RegisterHotKey
//                                     flags) itself and keeps it while the
//                                     main dialog lives
//   zvctl OUTFILE tip X Y TIMEOUT_MS  brings the main dialog to the front
//                                     (tool tips show for an active window
//                                     only), moves the pointer to X, Y and
//                                     reports the rectangle of the tool tip
//                                     that shows there
//   zvctl OUTFILE on-top CLASS COUNT TIMEOUT_MS
//                                     waits for COUNT visible windows of the
//                                     class and puts them on top, as their
//                                     own program would
//   zvctl OUTFILE menu-keys KEY...    types into the open menus: a letter as
//                                     itself, anything else a virtual key
//                                     (0x28 Down); reports the rectangle the
//                                     open menus cover
//   zvctl OUTFILE close CLASS         asks the windows of the class to close
//   zvctl OUTFILE about TIMEOUT_MS    opens the About box, reports its rectangle
//   zvctl OUTFILE quit TIMEOUT_MS     closes the About box, then the program
//
// Rectangles are "x y w h" in desktop coordinates.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/InstanceMarker.h"
#include "common/SharedContract.h"
#include "res/resource.h"

namespace {

const char* g_answerPath = nullptr;

constexpr int kExitButtonId = IDCANCEL;

// A visible window of the given class in mainDialog's process, other than
// mainDialog itself.
HWND FindVisibleOfProcess(HWND mainDialog, const wchar_t* className) {
    struct Search {
        HWND main;
        const wchar_t* className;
        DWORD process;
        HWND found = nullptr;
        static BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam) {
            auto* self = reinterpret_cast<Search*>(lParam);
            DWORD process = 0;
            ::GetWindowThreadProcessId(hwnd, &process);
            wchar_t cls[32] = {};
            ::GetClassNameW(hwnd, cls, 32);
            if (hwnd != self->main && process == self->process && ::IsWindowVisible(hwnd) &&
                std::wcscmp(cls, self->className) == 0) {
                self->found = hwnd;
                return FALSE;
            }
            return TRUE;
        }
    } search{mainDialog, className, 0};
    ::GetWindowThreadProcessId(mainDialog, &search.process);
    ::EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A box the utility opened (a dialog other than the main one).
HWND FindOtherDialog(HWND mainDialog) { return FindVisibleOfProcess(mainDialog, L"#32770"); }

// The visible popup menu of the process that owns mainDialog.
HWND FindMenu(HWND mainDialog) { return FindVisibleOfProcess(mainDialog, L"#32768"); }

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

// Polls until done() holds or timeoutMs has passed.
template <class Done>
bool WaitUntil(Done done, DWORD timeoutMs) {
    return WaitFor([&]() -> HWND { return done() ? ::GetDesktopWindow() : nullptr; }, timeoutMs) != nullptr;
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

DWORD Number(const char* text) { return static_cast<DWORD>(std::strtoul(text, nullptr, 0)); }

std::string Run(int argc, char** argv) {
    const std::string command = argv[2];
    if (command == "main" && argc == 4) {
        HWND main = WaitFor(
            [] {
                HWND hwnd = InstanceMarker::FindFirst();
                return hwnd != nullptr && ::IsWindowVisible(hwnd) ? hwnd : nullptr;
            },
            Number(argv[3]));
        if (main == nullptr) return "error no main dialog";
        HWND exitButton = ::GetDlgItem(main, kExitButtonId);
        HWND finder = ::GetDlgItem(main, IDC_FINDER);
        if (exitButton == nullptr || finder == nullptr) return "error no Exit button or cross-hair";
        Settle(main);
        return "ok " + RectText(main) + " " + RectText(exitButton) + " " + RectText(finder);
    }
    if (command == "pointer" && argc == 5) {
        const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        if (!::SetCursorPos(x, y)) return "error SetCursorPos failed";
        POINT at = {};
        ::GetCursorPos(&at);
        if (at.x != x || at.y != y) return "error the pointer did not move";
        return "ok";
    }
    if (command == "tray-menu" && argc == 4) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        // What the shell sends on a right click on the icon.
        ::PostMessageW(main, contract::kTrayCallbackMessage, contract::kTrayIconId, WM_RBUTTONUP);
        HWND menu = WaitFor([main] { return FindMenu(main); }, Number(argv[3]));
        if (menu == nullptr) return "error the tray menu did not open";
        Settle(menu);
        return "ok " + RectText(menu);
    }
    if (command == "on-top" && argc == 6) {
        std::vector<HWND> found;
        const DWORD count = Number(argv[4]);
        const std::wstring className(argv[3], argv[3] + std::strlen(argv[3]));
        WaitFor(
            [&]() -> HWND {
                found.clear();
                for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, className.c_str(), nullptr));)
                    if (::IsWindowVisible(window)) found.push_back(window);
                return found.size() >= count ? found.front() : nullptr;
            },
            Number(argv[5]));
        if (found.size() < count) return "error too few windows of the class";
        for (HWND window : found) ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return "ok";
    }
    if (command == "close" && argc == 4) {
        const std::wstring className(argv[3], argv[3] + std::strlen(argv[3]));
        for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, className.c_str(), nullptr));)
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        return "ok";
    }
    if (command == "menu-keys" && argc >= 4) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        for (int i = 3; i < argc; ++i) {
            HWND menu = FindMenu(main);
            if (menu == nullptr) return "error no menu open";
            // The menu's loop reads the keys posted to its thread; a letter
            // chooses by its mnemonic.
            const bool letter = std::strlen(argv[i]) == 1;
            ::PostMessageW(menu, letter ? WM_CHAR : WM_KEYDOWN, letter ? argv[i][0] : Number(argv[i]), 0);
            ::Sleep(300);
        }
        RECT covered = {};
        for (HWND menu = nullptr; (menu = ::FindWindowExW(nullptr, menu, L"#32768", nullptr));) {
            RECT rect;
            if (::IsWindowVisible(menu) && ::GetWindowRect(menu, &rect)) ::UnionRect(&covered, &covered, &rect);
        }
        return "ok " + std::to_string(covered.left) + " " + std::to_string(covered.top) + " " +
               std::to_string(covered.right - covered.left) + " " + std::to_string(covered.bottom - covered.top);
    }
    if (command == "close-menu" && argc == 4) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        HWND menu = FindMenu(main);
        if (menu == nullptr) return "ok";
        // The menu's loop reads the keys posted to its thread; one Escape
        // closes one level.
        if (!WaitUntil(
                [main] {
                    HWND open = FindMenu(main);
                    if (open != nullptr) ::PostMessageW(open, WM_KEYDOWN, VK_ESCAPE, 0);
                    return open == nullptr;
                },
                Number(argv[3]))) {
            return "error the menu stayed open";
        }
        return "ok";
    }
    if (command == "unlock" && argc == 4) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        HWND control = ::GetDlgItem(main, IDC_HOTKEY);
        HWND button = ::GetDlgItem(main, IDC_SET_LOCK);
        if (control == nullptr || button == nullptr) return "error no hotkey editor";
        if (!::IsWindowEnabled(control)) {
            ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_SET_LOCK, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        }
        if (!WaitUntil([control] { return ::IsWindowEnabled(control) != FALSE; }, Number(argv[3]))) {
            return "error the editor stayed locked";
        }
        Settle(main);
        return "ok";
    }
    if (command == "type" && argc == 6) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        HWND control = ::GetDlgItem(main, IDC_HOTKEY);
        HWND group = ::GetDlgItem(main, IDC_HOTKEY_GROUP);
        if (control == nullptr || group == nullptr || !::IsWindowEnabled(control)) return "error the editor is locked";
        const WORD value = static_cast<WORD>(((Number(argv[3]) & 0xFF) << 8) | (Number(argv[4]) & 0xFF));
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(control, HKM_SETHOTKEY, value, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
        // The program registers the control's combination at a key release
        // in it. A value posted after the release is handled after it, so
        // once the control shows that value the release has been handled;
        // then the combination is shown again.
        ::PostMessageW(control, WM_KEYUP, VK_F24, 0xC0000001);
        const WORD handled = value == 0 ? 1 : 0;
        ::PostMessageW(control, HKM_SETHOTKEY, handled, 0);
        const bool done = WaitUntil(
            [&] {
                DWORD_PTR shown = 0xFFFF;
                ::SendMessageTimeoutW(control, HKM_GETHOTKEY, 0, 0, SMTO_ABORTIFHUNG, 5000, &shown);
                return (shown & 0xFFFF) == handled;
            },
            Number(argv[5]));
        ::SendMessageTimeoutW(control, HKM_SETHOTKEY, value, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
        if (!done) return "error the key release was not handled";
        Settle(main);
        return ::IsWindowEnabled(group) ? "ok registered" : "ok taken";
    }
    if (command == "hold" && argc == 5) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        if (!::RegisterHotKey(nullptr, 1, Number(argv[3]), Number(argv[4]))) return "error RegisterHotKey failed";
        // Answer now; the combination stays held until the program ends.
        if (!WriteAnswer(g_answerPath, "ok")) return "error cannot answer";
        while (::IsWindow(main)) ::Sleep(100);
        return "ok";
    }
    if (command == "tip" && argc == 6) {
        const DWORD timeout = Number(argv[5]);
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        ::SetForegroundWindow(main);
        // Active in its own thread too, as the tool tip asks it.
        const auto active = [main] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return ::GetForegroundWindow() == main &&
                   ::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info) && info.hwndActive == main;
        };
        if (!WaitUntil(active, timeout)) return "error not in front";
        const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        // A tip waits for the pointer to move over its tool, which one jump
        // here does not always count as: the pointer stirs by a pixel, as a
        // hand on a mouse does, until the tip shows.
        int stir = 0;
        HWND tip = WaitFor(
            [&] {
                if (stir++ % 10 == 0) ::SetCursorPos(x + (stir / 10) % 2, y);
                return FindVisibleOfProcess(main, TOOLTIPS_CLASSW);
            },
            timeout);
        if (tip == nullptr) return "error no tool tip showed";
        Settle(tip);
        return "ok " + RectText(tip);
    }
    if (command == "about" && argc == 4) {
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        ::PostMessageW(main, WM_COMMAND, ID_TRAY_ABOUT, 0);
        HWND about = WaitFor([main] { return FindOtherDialog(main); }, Number(argv[3]));
        if (about == nullptr) return "error the About box did not open";
        Settle(about);
        return "ok " + RectText(about);
    }
    if (command == "quit" && argc == 4) {
        const DWORD timeout = Number(argv[3]);
        HWND main = InstanceMarker::FindFirst();
        if (main == nullptr) return "error no main dialog";
        if (HWND about = FindOtherDialog(main)) {
            ::PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
            if (!WaitGone(about, timeout)) return "error the About box did not close";
        }
        ::PostMessageW(main, WM_COMMAND, ID_TRAY_EXIT, 0);
        if (!WaitGone(main, timeout)) return "error the program did not end";
        return "ok";
    }
    return "error usage: zvctl OUTFILE main|pointer|tray-menu|close-menu|unlock|type|hold|tip|about|quit ARGS";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: zvctl OUTFILE main|pointer|tray-menu|close-menu|unlock|type|hold|tip|about|quit ARGS\n");
        return 2;
    }
    g_answerPath = argv[1];
    const std::string answer = Run(argc, argv);
    if (!WriteAnswer(argv[1], answer)) return 2;
    return answer.compare(0, 2, "ok") == 0 ? 0 : 1;
}
