// The frame through which every entry takes part in the system's unwinding
// (see ModuleEntry.h). The module's own C++ exceptions never reach it: each
// entry stops them inside the frame.
#include <windows.h>

#include "base/ExceptionChain_win.h"
#include "base/ModuleEntry.h"

#if defined(__i386__)

// A record of the thread's structured-exception chain (ExceptionChain_win.h):
// its handler's second call, as a handler further out unwinds the stack, is
// when the entry gives back what it holds. The image has no table of safe
// handlers, so the system accepts any handler in it.
namespace {

struct UnwindFrame {
    ExceptionRecordLink link;  // first: the handler is given its address
    ModuleStateGuard* guard;
};

EXCEPTION_DISPOSITION __cdecl UnwindHandler(EXCEPTION_RECORD* record, void* establisher, CONTEXT*,
                                            void*) {
    if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
        static_cast<UnwindFrame*>(establisher)->guard->Unwound();
    return ExceptionContinueSearch;
}

}  // namespace

__attribute__((noinline)) void CallInUnwindFrame(void (*body)(void*), void* context,
                                                 ModuleStateGuard& guard) {
    UnwindFrame frame{{nullptr, UnwindHandler}, &guard};
    PushExceptionLink(frame.link);
    body(context);
    PopExceptionLink(frame.link);
}

#elif defined(__x86_64__)

// 64-bit Windows unwinds by tables: a function takes part through the unwind
// information of its own code, which names its handler. So the frame is a
// small function of its own, written out here with the assembler's unwind
// directives. Its handler finds the guard where the function keeps it, 32
// bytes above its stack pointer after the prologue (the frame's address that
// the system hands the handler). The nop after the call keeps the return
// address out of the epilogue, where the unwinder would not call the handler.
extern "C" void OrtolanCallInUnwindFrame(void (*body)(void*), void* context,
                                         ModuleStateGuard* guard);

extern "C" EXCEPTION_DISPOSITION OrtolanUnwindHandler(EXCEPTION_RECORD* record, void* establisher,
                                                      CONTEXT*, void*) {
    if (record->ExceptionFlags & EXCEPTION_UNWIND)
        (*reinterpret_cast<ModuleStateGuard**>(static_cast<char*>(establisher) + 32))->Unwound();
    return ExceptionContinueSearch;
}

asm(R"(
    .text
    .p2align 4
    .globl OrtolanCallInUnwindFrame
    .def OrtolanCallInUnwindFrame; .scl 2; .type 32; .endef
    .seh_proc OrtolanCallInUnwindFrame
OrtolanCallInUnwindFrame:
    pushq %rbp
    .seh_pushreg %rbp
    subq $48, %rsp
    .seh_stackalloc 48
    .seh_endprologue
    .seh_handler OrtolanUnwindHandler, @unwind
    movq %r8, 32(%rsp)
    movq %rcx, %rax
    movq %rdx, %rcx
    callq *%rax
    nop
    addq $48, %rsp
    popq %rbp
    ret
    .seh_endproc
)");

void CallInUnwindFrame(void (*body)(void*), void* context, ModuleStateGuard& guard) {
    OrtolanCallInUnwindFrame(body, context, &guard);
}

#endif
