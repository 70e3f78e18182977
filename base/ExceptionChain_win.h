// The thread's chain of structured-exception records on 32-bit Windows:
// records on the stack, the innermost first, linked from fs:0. The system
// calls the handler of each as an exception is dispatched (does it handle
// it?), and again with EXCEPTION_UNWINDING when a handler further out unwinds
// the stack to itself (RtlUnwind) before it goes on, unlinking each record
// it passes. A compiler with structured exceptions builds these records for
// its __try blocks; this one does not, so they are built by hand.
#pragma once

#include <windows.h>

#if defined(__i386__)

struct ExceptionRecordLink {
    ExceptionRecordLink* next;
    EXCEPTION_DISPOSITION(__cdecl* handler)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);
};

// Links `link`, on the caller's stack, at the head of the chain.
inline void PushExceptionLink(ExceptionRecordLink& link) {
    link.next = reinterpret_cast<ExceptionRecordLink*>(__readfsdword(0));
    __writefsdword(0, reinterpret_cast<DWORD>(&link));
}

// Unlinks `link`, the head of the chain, and whatever an unwinding left
// above it.
inline void PopExceptionLink(const ExceptionRecordLink& link) {
    __writefsdword(0, reinterpret_cast<DWORD>(link.next));
}

#endif
