#include "host/tsxapi/host_memory.h"

#include <climits>
#include <cstdlib>

namespace standin {

HostMemory::~HostMemory() {
    for (void* block : counted) std::free(block);
    for (void* block : earlier) std::free(block);
}

void* HostMemory::Track(void* block) {
    if (block) counted.insert(block);
    return block;
}

void* HostMemory::Allocate(int bytes) {
    if (failing || bytes < 0) return nullptr;
    return Track(std::malloc(bytes ? static_cast<size_t>(bytes) : 1));
}

void* HostMemory::AllocateZeroed(int count, int size) {
    if (failing || count < 0 || size < 0) return nullptr;
    if (size && count > INT_MAX / size) return nullptr;
    size_t total = static_cast<size_t>(count) * static_cast<size_t>(size);
    return Track(std::calloc(total ? total : 1, 1));
}

HostMemory::FreeResult HostMemory::Free(void* block) {
    if (!block) return FreeResult::Null;
    if (counted.erase(block) || earlier.erase(block)) {
        std::free(block);
        return FreeResult::Freed;
    }
    return FreeResult::Unknown;
}

bool HostMemory::Owns(const void* block) const {
    void* key = const_cast<void*>(block);
    return counted.count(key) || earlier.count(key);
}

void HostMemory::Recount() {
    earlier.insert(counted.begin(), counted.end());
    counted.clear();
}

}  // namespace standin
