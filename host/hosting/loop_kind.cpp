#include "host/hosting/loop_kind.h"

namespace hosting {
namespace {

const struct {
    LoopKind kind;
    const char* name;
} kKinds[] = {{LoopKind::Accelerators, "accelerators"},
              {LoopKind::Dialog, "dialog"},
              {LoopKind::Plain, "plain"}};

}  // namespace

bool ParseLoopKind(const std::string& name, LoopKind& kind) {
    for (const auto& k : kKinds) {
        if (name == k.name) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}

const char* LoopKindName(LoopKind kind) {
    for (const auto& k : kKinds)
        if (k.kind == kind) return k.name;
    return "?";
}

}  // namespace hosting
