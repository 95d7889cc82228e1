#pragma once
#include "framework/Afx.h"

// A point with the conversions the window system's structures need.
class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int px, int py) : POINT{px, py} {}
    CPoint(POINT p) : POINT(p) {}
    // Mouse messages pack the point into lParam as two signed 16-bit values.
    static CPoint FromLParam(LPARAM lp) {
        return CPoint(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};
