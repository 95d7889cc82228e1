// A window of another program for the tests of what is done to such windows:
//   SeeThroughTestHelper TITLE X Y plain|alpha|painted
// shows a top-level window titled TITLE at X, Y with a text area in it;
// "alpha" makes it layered itself at alpha 170, "painted" paints it with
// UpdateLayeredWindow instead. WM_APP(ms) posted to the window makes the
// program stop answering anything for ms milliseconds, once it has set the
// event named TITLE-stopped. It ends when the window is closed, and within a
// minute in any case, so a failed test cannot leave it behind for long.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kLongestLifeMs = 60000;
constexpr int kWidth = 240, kHeight = 160;
constexpr BYTE kOwnAlpha = 170;

const char* g_title = "";

// A program busy loading, or stuck on a file: its thread takes no message.
void StopAnswering(DWORD ms) {
    HANDLE stopped = CreateEventA(nullptr, TRUE, FALSE, (std::string(g_title) + "-stopped").c_str());
    if (stopped != nullptr) SetEvent(stopped);
    Sleep(ms);
    if (stopped != nullptr) CloseHandle(stopped);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    if (message == WM_APP) StopAnswering(static_cast<DWORD>(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Paint(HWND window) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) std::memset(bits, 0x80, kWidth * kHeight * 4);
    HGDIOBJ old = SelectObject(memory, bitmap);
    POINT origin = {0, 0};
    SIZE size = {kWidth, kHeight};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL painted =
        bitmap != nullptr && UpdateLayeredWindow(window, screen, nullptr, &size, memory, &origin, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return painted != FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc != 5) return 2;
    const char* mode = __argv[4];
    g_title = __argv[1];
    const bool own = std::strcmp(mode, "alpha") == 0, painted = std::strcmp(mode, "painted") == 0;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"SeeThroughTestWindow";
    if (!RegisterClassW(&windowClass)) return 3;
    HWND window = CreateWindowExA(own || painted ? WS_EX_LAYERED : 0, "SeeThroughTestWindow", __argv[1],
                                  WS_OVERLAPPEDWINDOW, std::atoi(__argv[2]), std::atoi(__argv[3]), kWidth, kHeight,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 4;
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "text", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 120, 60, window,
                    nullptr, instance, nullptr);
    if (own && !SetLayeredWindowAttributes(window, 0, kOwnAlpha, LWA_ALPHA)) return 5;
    if (painted && !Paint(window)) return 6;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= kLongestLifeMs) return 0;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kLongestLifeMs - elapsed, QS_ALLINPUT) != WAIT_OBJECT_0)
            return 0;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return 0;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
