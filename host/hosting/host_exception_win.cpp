#include "host/hosting/host_exception_win.h"

#include <windows.h>

#include <csetjmp>

#include "host/standin.h"

namespace hosting {
namespace {
int caught = 0;
}

int CaughtHostExceptions() { return caught; }

#if defined(__i386__)

// The handler is a record of the thread's structured-exception chain (fs:0),
// as a compiler with structured exceptions would build it. It takes the
// host's exception: it unwinds the frames above itself (each record there is
// called with EXCEPTION_UNWINDING and unlinked), then jumps back into the
// frame that installed it.
namespace {

struct Registration {
    Registration* next;
    EXCEPTION_DISPOSITION(__cdecl* handler)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);
};

struct CatchFrame {
    Registration registration;  // first: the handler is given its address
    std::jmp_buf* resume;
};

EXCEPTION_DISPOSITION __cdecl CatchHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT*,
                                           void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        return ExceptionContinueSearch;
    if (record->ExceptionCode != STANDIN_HOST_EXCEPTION) return ExceptionContinueSearch;
    // Read before the unwind: RtlUnwind need not keep the registers a
    // compiler expects kept.
    std::jmp_buf* volatile resume = static_cast<CatchFrame*>(establisher)->resume;
    RtlUnwind(establisher, nullptr, record, nullptr);
    std::longjmp(*resume, 1);
}

}  // namespace

bool CatchHostException(void (*fn)(void*), void* context) {
    std::jmp_buf resume;
    CatchFrame frame{{reinterpret_cast<Registration*>(__readfsdword(0)), CatchHandler}, &resume};
    __writefsdword(0, reinterpret_cast<DWORD>(&frame.registration));
    volatile bool returned = false;
    if (setjmp(resume) == 0) {
        fn(context);
        returned = true;
    } else {
        ++caught;
    }
    __writefsdword(0, reinterpret_cast<DWORD>(frame.registration.next));
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
        ++caught;
    }
    innermost = catching.outer;
    return returned;
}

#endif

}  // namespace hosting
