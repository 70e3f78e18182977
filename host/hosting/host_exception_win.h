// A host's message loop catches its own exceptions: a host written in a
// language with exceptions ends a call it cannot finish (an abort asked for
// during a slow redraw, a failure deep in its code) by raising one, which
// unwinds through whatever lies between, a module's frames among them, to
// the handler around its loop's work. The stand-in raises such an exception
// (STANDIN_HOST_EXCEPTION, host/standin.h) and its loops catch it here, as a
// structured exception, the way such a host's loop does.
#pragma once

namespace hosting {

// Runs fn(context) with a handler for the host's own exception around it.
// True when fn returned; false when the host's exception ended it, after
// the frames between were unwound.
bool CatchHostException(void (*fn)(void*), void* context);

// How many of the host's exceptions these handlers have caught.
int CaughtHostExceptions();
// The stand-in's count of scene-changed marks when the latest was caught,
// after the frames between were unwound: what the host knew of its scene
// as its handler went on.
int ChangedCountAtLastCatch();

template <class Work>
bool CatchHostException(Work&& work) {
    return CatchHostException([](void* w) { (*static_cast<Work*>(w))(); }, &work);
}

}  // namespace hosting
