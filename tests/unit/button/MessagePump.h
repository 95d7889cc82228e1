// Waiting in tests: messages of the thread keep flowing while a condition is
// awaited, and every wait has a time limit.
#pragma once
#include <windows.h>

#include <functional>

// Dispatches the thread's pending messages.
void PumpPending();

// Pumps messages until condition holds or timeoutMs has passed; the
// condition's last value.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
