// What the user is told when a change to another program's window did not
// happen, or has not happened yet; plain values only.
#pragma once
#include <windows.h>

enum class WindowChange { Pin, Release, SeeThrough };

enum class ChangeProblem {
    Refused,       // Windows said no: a program run as administrator, say
    Closed,        // the window went before the change reached it
    NotAnswering,  // sent, and made once the program answers again
    Failed,        // any other error
};

// The problem an error code of the window calls stands for.
ChangeProblem ProblemFromError(DWORD error);

struct ChangeNotice {
    const wchar_t* format;  // one %s, the action's name; Failed's also a %lu for the error
    bool isError;           // an error; otherwise a warning that the change is still to come
};

ChangeNotice DescribeProblem(ChangeProblem problem);
// The action as the texts name it.
const wchar_t* ChangeName(WindowChange change);
