#include "app/CPinApp.h"

#include "app/CPinDlg.h"
#include "app/RunningCopyWait.h"
#include "app/StartupLock.h"
#include "common/BusyRetry.h"
#include "common/InstanceMarker.h"
#include "framework/CFileFind.h"

BEGIN_MESSAGE_MAP(CPinApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CPinApp theApp;

namespace {

// "Local\" scopes the lock to this desktop session, as the marker is.
const wchar_t kStartupLockName[] = L"Local\\Zorvane.Quellbrand.Startup";
// How long a start that lost the race waits for the winner's dialog: the
// winner shows it within a second even on a slow machine.
constexpr DWORD kRunningCopyWaitMs = 5000;
constexpr DWORD kRunningCopyPollMs = 25;
// The updater restarts us while it is still ending and holds its own file;
// the system lets go of it a moment later.
constexpr DWORD kLeftoverDeleteWaitMs = 5000;
constexpr DWORD kLeftoverDeletePauseMs = 50;

void DeleteLeftoverUpdater(const char* path) {
    RetryWhileBusy(
        [path] {
            if (::DeleteFileA(path)) return AttemptResult::Done;
            return ClassifyFileFailure(::GetLastError(), path);
        },
        Deadline(::GetTickCount(), kLeftoverDeleteWaitMs), kLeftoverDeletePauseMs);
}

}  // namespace

BOOL CPinApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    // Held until the process ends, so that a start racing this one waits for
    // this one's dialog instead of opening its own.
    StartupLock lock(kStartupLockName);
    HWND found = WaitForRunningCopy(
        InstanceMarker::FindFirst, [&lock](DWORD waitMs) { return lock.TryTake(waitMs); },
        Deadline(::GetTickCount(), kRunningCopyWaitMs), kRunningCopyPollMs, [] { return ::GetTickCount(); });
    if (found != nullptr) {
        ::ShowWindow(found, SW_SHOWNORMAL);
        ::SetForegroundWindow(found);
        return FALSE;
    }

    CPinDlg dialog(nullptr);
    CFileFind finder;
    // Without a whole path of our own no file is ours to remove: a cut path
    // points into another folder.
    CString updater;
    if (dialog.GetUpdaterPath(updater) && finder.FindFile(updater)) {
        // The updater restarted us after saving: remove it and end quietly.
        finder.Close();
        DeleteLeftoverUpdater(updater);
    } else {
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
