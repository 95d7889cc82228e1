// Work on a thread of its own, so that a call that waits on another program
// holds up that thread alone. The thread owns its copy of the job, and its
// exit code is what the work returned.
#pragma once
#include <windows.h>

#include "common/UniqueHandle.h"

template <class Job, DWORD (*Work)(const Job&)>
DWORD WINAPI RunDetachedWork(void* parameter) {
    const Job* job = static_cast<const Job*>(parameter);
    const DWORD result = Work(*job);
    delete job;
    return result;
}

// An empty handle when no thread could be started. The program's own stack
// size: a smaller reservation would need a flag Windows 2000 does not know.
template <class Job, DWORD (*Work)(const Job&)>
UniqueKernelHandle StartDetachedWork(const Job& job) {
    Job* copy = new Job(job);
    if (copy == nullptr) return UniqueKernelHandle();
    UniqueKernelHandle thread(::CreateThread(nullptr, 0, RunDetachedWork<Job, Work>, copy, 0, nullptr));
    if (!thread) delete copy;
    return thread;
}
