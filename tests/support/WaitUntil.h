#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// How long the driver waits for something the program does in answer to a
// single action. Generous: Wine under a loaded machine can be slow.
constexpr DWORD kActionTimeoutMs = 10000;

// Polls condition every few milliseconds until it holds or timeoutMs have
// passed; returns whether it held. Messages of the calling thread are
// dispatched meanwhile, so windows and hooks of the driver stay responsive
// (another process's ShowWindow on a driver window waits for them).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Dispatches the messages already queued for the calling thread.
void PumpMessages();

}  // namespace e2e
