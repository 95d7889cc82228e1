#pragma once

#include <functional>

// Checks condition until it holds or timeoutMs have passed; true if it held.
// pollMs 0 checks as fast as the processor allows.
bool WaitUntil(const std::function<bool()>& condition, unsigned long timeoutMs, unsigned long pollMs = 20);
