#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// How long the driver waits for something the program does in answer to a
// single action. Generous: Wine under a loaded machine can be slow.
constexpr DWORD kActionTimeoutMs = 10000;

// The one way the suites wait: polls condition until it holds or timeoutMs
// have passed, and returns whether it held at the last poll (which comes at
// or after the limit). Before each poll the calling thread's queued
// messages are dispatched, so its windows and hooks stay responsive (another
// process's ShowWindow on a window of this thread waits for them). Between
// polls it sleeps at most pollMs, waking at once for a new message; with
// pollMs 0 it polls as fast as the processor allows.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 5);

// Dispatches the messages already queued for the calling thread.
void PumpMessages();

}  // namespace testsupport
