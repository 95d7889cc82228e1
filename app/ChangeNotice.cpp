#include "app/ChangeNotice.h"

ChangeProblem ProblemFromError(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return ChangeProblem::Refused;
    case ERROR_INVALID_WINDOW_HANDLE:
        return ChangeProblem::Closed;
    case ERROR_TIMEOUT:
        return ChangeProblem::NotAnswering;
    default:
        return ChangeProblem::Failed;
    }
}

ChangeNotice DescribeProblem(ChangeProblem problem) {
    switch (problem) {
    case ChangeProblem::Refused:
        return {L"无法%s：该程序拒绝了更改（它可能以管理员身份运行）。", true};
    case ChangeProblem::Closed:
        return {L"无法%s：窗口已关闭。", true};
    case ChangeProblem::NotAnswering:
        return {L"该程序未响应：它恢复响应后将%s。", false};
    case ChangeProblem::Failed:
        break;
    }
    return {L"无法%s（错误 %lu）。", true};
}

const wchar_t* ChangeName(WindowChange change) {
    switch (change) {
    case WindowChange::Pin:
        return L"置顶";
    case WindowChange::Release:
        return L"取消置顶";
    case WindowChange::SeeThrough:
        break;
    }
    return L"调整透明度";
}
