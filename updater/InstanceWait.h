#pragma once

#include "common/BusyRetry.h"

#include <windows.h>

// Waits, at most 20 s and never past deadline, for the process of the main
// program's dialog to end. Returns at once when no such window exists or its
// process cannot be opened.
void WaitForMainInstance(const Deadline& deadline);
