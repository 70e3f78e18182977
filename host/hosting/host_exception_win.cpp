#include "host/hosting/host_exception_win.h"

#include <windows.h>

#include <csetjmp>

#include "base/ExceptionChain_win.h"
#include "host/standin.h"

namespace hosting {
namespace {
int caught = 0;
int changedAtCatch = 0;

void Caught() {
    ++caught;
    changedAtCatch = standinChangedCount();
}
}  // namespace

int CaughtHostExceptions() { return caught; }
int ChangedCountAtLastCatch() { return changedAtCatch; }

#if defined(__i386__)

// The handler is a record of the thread's structured-exception chain
// (base/ExceptionChain_win.h), as a compiler with structured exceptions would
// build it around the loop's work. It takes the host's exception: it unwinds
// the frames above itself (each record there is called with
// EXCEPTION_UNWINDING and unlinked), then jumps back into the frame that
// linked it.
namespace {

struct CatchFrame {
    ExceptionRecordLink link;  // first: the handler is given its address
    void** resume;             // a __builtin_setjmp buffer
};

EXCEPTION_DISPOSITION __cdecl CatchHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT*,
                                           void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    if (record->ExceptionCode != STANDIN_HOST_EXCEPTION) return ExceptionContinueSearch;
    // Read before the unwind: RtlUnwind need not keep the registers a
    // compiler expects kept.
    void** volatile resume = static_cast<CatchFrame*>(establisher)->resume;
    RtlUnwind(establisher, nullptr, record, nullptr);
    // The compiler's own jump, not the runtime's longjmp, which would read
    // the record as one of another compiler's frames and unwind it again.
    __builtin_longjmp(resume, 1);
}

}  // namespace

bool CatchHostException(void (*fn)(void*), void* context) {
    void* resume[5];
    CatchFrame frame{{nullptr, CatchHandler}, resume};
    PushExceptionLink(frame.link);
    volatile bool returned = false;
    if (__builtin_setjmp(resume) == 0) {
        fn(context);
        returned = true;
    } else {
        Caught();
    }
    PopExceptionLink(frame.link);
    return returned;
}

#else

// 64-bit Windows finds handlers through unwind tables, which a loop written
// here cannot carry around a call. A vectored handler takes the host's
// exception instead and jumps back with longjmp, which unwinds the frames
// between through their tables (each frame's handler sees the unwinding).
namespace {

struct Catching {
    std::jmp_buf resume;
    Catching* outer;
    DWORD thread;
};
Catching* innermost = nullptr;

LONG CALLBACK CatchHandler(EXCEPTION_POINTERS* exception) {
    Catching* catching = innermost;
    if (exception->ExceptionRecord->ExceptionCode != STANDIN_HOST_EXCEPTION || !catching ||
        catching->thread != GetCurrentThreadId())
        return EXCEPTION_CONTINUE_SEARCH;
    std::longjmp(catching->resume, 1);
}

}  // namespace

bool CatchHostException(void (*fn)(void*), void* context) {
    static PVOID handler = AddVectoredExceptionHandler(1, CatchHandler);
    (void)handler;
    Catching catching;
    catching.outer = innermost;
    catching.thread = GetCurrentThreadId();
    innermost = &catching;
    volatile bool returned = false;
    if (setjmp(catching.resume) == 0) {
        fn(context);
        returned = true;
    } else {
        Caught();
    }
    innermost = catching.outer;
    return returned;
}

#endif

}  // namespace hosting
