#include "app/LayeredChange.h"

#include "app/DetachedWork.h"

namespace {

// The error a failed call left, or one that says so when it left none.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : fallback;
}

// SetWindowLong answers the previous style, which may be 0 itself.
bool SetExStyle(HWND window, DWORD exStyle) {
    ::SetLastError(0);
    return ::SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(exStyle)) != 0 || ::GetLastError() == 0;
}

DWORD Apply(const LayeredChange& change) {
    const bool restyle = change.styleAfter != change.styleNow;
    if (restyle && !SetExStyle(change.window, change.styleAfter)) return LastErrorOr(ERROR_GEN_FAILURE);
    if ((change.styleAfter & WS_EX_LAYERED) != 0) {
        if (!::SetLayeredWindowAttributes(change.window, 0, change.alpha, LWA_ALPHA)) {
            const DWORD error = LastErrorOr(ERROR_GEN_FAILURE);
            if (restyle) SetExStyle(change.window, change.styleNow);
            return error;
        }
    } else {
        // Layered no more, the window must paint itself again.
        ::RedrawWindow(change.window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return 0;
}

DWORD ApplyAndReport(const LayeredChange& change) {
    const DWORD error = Apply(change);
    if (change.notify != nullptr)
        ::PostMessageW(change.notify, change.notifyMessage, change.ticket, static_cast<LPARAM>(error));
    return error;
}

}  // namespace

UniqueKernelHandle StartLayeredChange(const LayeredChange& change) {
    return StartDetachedWork<LayeredChange, ApplyAndReport>(change);
}
