// What the module handed to the stand-in host, read back from its journal.
#pragma once

#include <string>
#include <vector>

namespace harness {

// Journal lines whose arguments (not their results: what the host gave out
// is the host's business) hold a number that is not a finite 32-bit float,
// or a text in a number's place that does not read as a number at all.
std::vector<std::string> LinesSendingNonFinite();

}  // namespace harness
