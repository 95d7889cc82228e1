#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// The window property by which a running copy of the program is recognised.
class InstanceMarker {
public:
    static constexpr const wchar_t* kName = L"Quellbrand";
    static constexpr UINT_PTR kValue = 2034;

    // Top-level windows carrying the marker with its proper value, in the
    // system's enumeration order.
    static std::vector<HWND> MarkedWindows();

    // The marked top-level window of the given process, or null.
    static HWND FindForProcess(DWORD processId);

    // Waits until the given process has a marked window; null on time-out.
    static HWND WaitForProcess(DWORD processId, DWORD timeoutMs);

    static bool IsMarked(HWND window);
};

}  // namespace e2e
