// Every way into the module: the host's calls of its exports, and the
// system's calls of its dialog procedure, its subclass procedures and its
// message hook. Each one goes through GuardedEntry, which
//   - makes the module's own state current (templates, bitmaps and profile
//     values come from this module) and puts the caller's back on return;
//   - counts how deep the thread is inside the module, so that the message
//     hook can tell the host's own loop from a loop run within the module's
//     work (a host's abort check, progress loop or dialog inside a call the
//     panel made; a message box of the panel's);
//   - stops every C++ exception: the host's frames were built without
//     unwind information for it, and one unwinding into them ends the host.
//     What escapes ends the entry with its unhandled result instead (a
//     message treated as unhandled, an export's failure value).
//
// Exceptions that are not C++ exceptions of the module's own are not
// stopped: a structured exception raised by the host in a call the module
// made (a host's abort during a slow redraw, a throw that its own loop
// catches) is the host's, and goes on to the host's handler. It is let pass
// safely: the entry takes part in the system's unwinding (a frame of the
// structured-exception chain on 32-bit Windows, unwind information on
// 64-bit), and as the unwinding passes it, it gives back what it holds, as
// its destructors would have done: the caller's state and the depth the
// hook reads, and every HeldForEntry made inside it (the exchange's own
// writes and prompt, a capture held for a drag), innermost first. The
// module's frames between the two are left without their destructors, as
// the host's own frames are; nothing else of the module is undone.
#pragma once

#include <type_traits>

struct ModuleState {
    void* resourceInstance = nullptr;  // the HINSTANCE resources are loaded from
};

// The module's own state, made current by every entry.
ModuleState& TheModuleState();

// The state in force; null outside any entry.
ModuleState* CurrentModuleState();

// Whether the thread is inside one of the module's entries now.
bool InsideModule();

// Something the module holds for a while within an entry, and gives back
// when its scope ends: a flag raised, a window disabled, the mouse captured.
// Made inside an entry, it is also given back when an exception that is not
// the module's own leaves the entry (see above). Scopes nest.
class HeldForEntry {
public:
    HeldForEntry();
    HeldForEntry(const HeldForEntry&) = delete;
    HeldForEntry& operator=(const HeldForEntry&) = delete;

    // Gives back what is held: called by the scope's end (derived classes
    // call it from their destructors) or by the unwinding, once.
    virtual void GiveBack() noexcept = 0;

protected:
    // Unregisters; derived destructors give back first.
    ~HeldForEntry();

private:
    friend class ModuleStateGuard;
    HeldForEntry* below;  // the one made before, still held
};

// One entry: the module's state made current, the depth counted.
class ModuleStateGuard {
public:
    explicit ModuleStateGuard(ModuleState& state);
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

    // An exception that is not the module's own is unwinding past the
    // entry: gives back everything held within it, innermost first, and
    // puts back the caller's state and depth. The destructor, should it
    // still run, then does nothing.
    void Unwound() noexcept;

private:
    ModuleState* previous;
    int outerDepth;
    HeldForEntry* outerHeld;
    bool left = false;
};

// Calls body(context) within a frame of the system's unwinding that calls
// guard.Unwound() when a foreign exception's unwinding passes it. Where the
// system has no such unwinding, it only calls body.
void CallInUnwindFrame(void (*body)(void*), void* context, ModuleStateGuard& guard);

// Runs `work` as one entry into the module and returns its result; when it
// throws a C++ exception, returns `unhandled()` instead.
template <class Work, class Unhandled>
auto GuardedEntry(Work&& work, Unhandled&& unhandled) noexcept -> decltype(work()) {
    using Result = decltype(work());
    ModuleStateGuard guard(TheModuleState());
    if constexpr (std::is_void_v<Result>) {
        auto body = [&] {
            try {
                work();
            } catch (...) {
                unhandled();
            }
        };
        CallInUnwindFrame([](void* b) { (*static_cast<decltype(body)*>(b))(); }, &body, guard);
    } else {
        Result result{};
        auto body = [&] {
            try {
                result = work();
            } catch (...) {
                result = unhandled();
            }
        };
        CallInUnwindFrame([](void* b) { (*static_cast<decltype(body)*>(b))(); }, &body, guard);
        return result;
    }
}
