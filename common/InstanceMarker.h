// The window property by which a running copy's main dialog is recognised:
// a second start brings that dialog forward instead of opening its own, and
// the updater waits for its process to end. Name and value are the contract
// between the two executables, and with copies of other versions.
#pragma once
#include <windows.h>

class InstanceMarker {
public:
    static constexpr char kName[] = "Quellbrand";
    static constexpr UINT_PTR kValue = 2034;

    // False when the system refused the property.
    static bool Mark(HWND window);
    // A property of another value marks nothing.
    static bool IsMarked(HWND window);
    // The first marked top-level window in the system's order, or null.
    static HWND FindFirst();
};
