#include "sent_values.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "harness.h"

namespace harness {
namespace {

// The stand-in writes numbers with %g between braces, separated by ", ".
bool ArgumentsHoldOnlyFiniteFloats(const std::string& arguments) {
    size_t open = arguments.find('{');
    while (open != std::string::npos) {
        const size_t close = arguments.find('}', open);
        if (close == std::string::npos) return false;
        std::string list = arguments.substr(open + 1, close - open - 1);
        size_t start = 0;
        while (start <= list.size()) {
            size_t comma = list.find(',', start);
            if (comma == std::string::npos) comma = list.size();
            std::string number = list.substr(start, comma - start);
            while (!number.empty() && number[0] == ' ') number.erase(0, 1);
            if (!number.empty() && number[0] == '{') number.erase(0, 1);  // a BBox
            char* end = nullptr;
            const double value = std::strtod(number.c_str(), &end);
            if (number.empty() || *end != '\0' || !std::isfinite(value) ||
                std::fabs(value) > FLT_MAX)
                return false;
            start = comma + 1;
        }
        open = arguments.find('{', close);
    }
    return true;
}

}  // namespace

std::vector<std::string> LinesSendingNonFinite() {
    std::vector<std::string> bad;
    for (const std::string& line : Journal()) {
        const size_t result = line.find(" -> ");
        const std::string arguments = line.substr(0, result);
        if (!ArgumentsHoldOnlyFiniteFloats(arguments)) bad.push_back(line);
    }
    return bad;
}

}  // namespace harness
