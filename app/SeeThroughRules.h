// Which windows a right-drag of the cross-hair may make see-through, and the
// opacities it steps them through; plain values only.
#pragma once
#include <windows.h>

constexpr BYTE kOpaqueAlpha = 255;

// 255 -> 204 -> 153 -> 102 -> 255 (opaque, 80 %, 60 %, 40 %). Any other
// alpha goes to the next of these below it, and from under 102 back to 255:
// each drop makes a window clearer until it turns opaque again.
BYTE NextSeeThroughAlpha(BYTE current);

// What reading a window's layered attributes gave.
enum class AttributeReading {
    Unavailable,  // the system has no GetLayeredWindowAttributes (before XP)
    Failed,       // painted with UpdateLayeredWindow, or never given any
    Read,
};

struct SeeThroughFacts {
    bool ofThisProcess;
    bool desktopWindow;
    const wchar_t* className;
    DWORD exStyle;
    bool madeLayeredHere;  // this program added its layered style
    AttributeReading reading;
    DWORD attributeFlags;  // LWA_ bits, when read
};

enum class SeeThroughAction {
    LeaveAlone,
    Begin,  // not layered: becomes layered and takes the first step
    Step,   // see-through by this program's hand: takes the next step
};

// A window another program made layered, or made its own again after this
// one had, is left alone; so are this program's own windows, the desktop
// and the taskbar.
SeeThroughAction DecideSeeThrough(const SeeThroughFacts& facts);

// The extended style that gives back a window's own layered bit.
DWORD RestoredExStyle(DWORD current, DWORD original);
