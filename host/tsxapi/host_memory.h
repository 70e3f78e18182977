// The stand-in host's heap for tsxMalloc, tsxCalloc and tsxFree, without
// windows.h. It counts the blocks it has handed out and not yet taken back.
#pragma once

#include <cstddef>
#include <unordered_set>

namespace standin {

class HostMemory {
public:
    HostMemory() = default;
    HostMemory(const HostMemory&) = delete;
    HostMemory& operator=(const HostMemory&) = delete;
    ~HostMemory();

    // A block of bytes (at least one byte is taken for 0), or null for a
    // negative size or while failing.
    void* Allocate(int bytes);
    // count * size zeroed bytes, or null for a negative or overflowing
    // product or while failing.
    void* AllocateZeroed(int count, int size);
    // What Free did with a pointer.
    enum class FreeResult { Freed, Null, Unknown };
    // Frees a block this heap handed out (also one counted before the last
    // Recount); null and unknown pointers are left alone.
    FreeResult Free(void* block);

    int Outstanding() const { return static_cast<int>(counted.size()); }
    bool Owns(const void* block) const;

    // Starts the count again at zero. Blocks handed out before stay valid
    // and are still freed when they come back, but no longer counted.
    void Recount();

    void SetFailing(bool fails) { failing = fails; }
    bool Failing() const { return failing; }

private:
    void* Track(void* block);

    std::unordered_set<void*> counted;
    std::unordered_set<void*> earlier;
    bool failing = false;
};

}  // namespace standin
