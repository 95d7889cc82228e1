#include "app/TrayNotice.h"

#include <shellapi.h>

#include "app/ForeignWindow.h"

namespace {
const wchar_t kUntitled[] = L"无标题窗口";
}  // namespace

void TrayNotice::Tell(HWND owner, UINT iconId, HWND window, WindowChange change, ChangeProblem problem, DWORD error) {
    const ChangeNotice notice = DescribeProblem(problem);
    // The second form of the record is the first that carries a balloon; it
    // names the icon the first form added.
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = owner;
    record.uID = iconId;
    record.uFlags = NIF_INFO;
    // The shell plays no sound of its own: the one below is heard with or
    // without a balloon.
    record.dwInfoFlags = (notice.isError ? NIIF_ERROR : NIIF_WARNING) | NIIF_NOSOUND;
    if (foreign_window::Title(window, record.szInfoTitle, ARRAYSIZE(record.szInfoTitle)) == 0)
        lstrcpynW(record.szInfoTitle, kUntitled, ARRAYSIZE(record.szInfoTitle));
    wsprintfW(record.szInfo, notice.format, ChangeName(change), error);
    ::Shell_NotifyIconW(NIM_MODIFY, &record);
    ::MessageBeep(notice.isError ? MB_ICONHAND : MB_ICONEXCLAMATION);
}
