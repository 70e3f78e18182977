// Property checks for the fuzz targets. A violated property prints what
// failed, with the values involved, and aborts; libFuzzer then saves the
// input as a crash file, exactly as for a sanitizer report.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

[[noreturn]] __attribute__((format(printf, 4, 5))) inline void PropertyViolated(
    const char* file, int line, const char* property, const char* format, ...) {
    std::fprintf(stderr, "\n%s:%d: property violated: %s\n  ", file, line, property);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

// REQUIRE(condition, printf format, values...): the format describes the case.
#define REQUIRE(condition, ...)                                                          \
    do {                                                                                 \
        if (!(condition)) PropertyViolated(__FILE__, __LINE__, #condition, __VA_ARGS__); \
    } while (0)

// Text for a failure message: printable ASCII as it is, the rest escaped,
// cut to a length a terminal can take.
inline std::string Shown(const std::string& text) {
    std::string shown = "\"";
    const size_t limit = 200;
    for (size_t i = 0; i < text.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    if (text.size() > limit) shown += "...(" + std::to_string(text.size()) + " bytes)";
    return shown + "\"";
}

// Equal to the last bit: tells -0.0 from 0.0 and one rounding from another.
template <class Real>
bool SameBits(Real a, Real b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
