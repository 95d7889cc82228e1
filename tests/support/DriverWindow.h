#pragma once

#include <windows.h>

namespace testsupport {

// A plain top-level window of the driver's own process: a foreign window as
// far as the program under test is concerned. Destroyed with the object.
class DriverWindow {
public:
    explicit DriverWindow(bool visible);
    ~DriverWindow();
    DriverWindow(const DriverWindow&) = delete;
    DriverWindow& operator=(const DriverWindow&) = delete;

    HWND Handle() const { return m_window; }

    // Sets the instance marker's property on this window with any value.
    bool SetMarker(UINT_PTR value);

private:
    HWND m_window = nullptr;
    bool m_marked = false;
};

}  // namespace testsupport
