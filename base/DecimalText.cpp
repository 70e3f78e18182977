#include "base/DecimalText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// In printf's number texts the point is what follows the sign and the
// integer digits unless that is the end, the exponent's 'e' or "inf"/"nan"
// (there is no grouping without the ' flag), so whatever stands there is put
// back to '.'. Asking the locale would cost more than the rest of the
// formatting.
size_t PointToDot(char* text, size_t length) {
    size_t point = 0;
    while (point < length && (IsDigit(text[point]) || text[point] == '-')) ++point;
    if (point == length) return length;
    const char c = text[point];
    if (c == '.' || c == 'e' || c == 'i' || c == 'n') return length;
    size_t end = point;
    while (end < length && !IsDigit(text[end]) && text[end] != 'e') ++end;
    text[point] = '.';
    std::memmove(text + point + 1, text + end, length - end);
    return length - (end - point - 1);
}

std::string FormatDecimal(double value, DecimalForm form, int precision) {
    if (std::isnan(value)) return "nan";  // glibc writes its sign, the module's runtime never did
    if (precision < 0) precision = 6;
    // The C runtime's printf, not to_chars: the floating-point to_chars of
    // the C++ runtime brings close to 200 KB of tables into the module, more
    // than all its code. The texts are the same.
    const char* format = form == DecimalForm::Fixed      ? "%.*f"
                         : form == DecimalForm::Exponent ? "%.*e"
                                                         : "%.*g";
    // Every text the panel shows fits on the stack; a longer one (hundreds
    // of digits, or the fixed form of a value near DBL_MAX) is measured and
    // written again whole.
    char onStack[64];
    const int size = std::snprintf(onStack, sizeof onStack, format, precision, value);
    if (size < 0) return std::string();
    if (static_cast<size_t>(size) < sizeof onStack)
        return std::string(onStack, PointToDot(onStack, static_cast<size_t>(size)));
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, precision, value);
    text.resize(PointToDot(&text[0], static_cast<size_t>(size)));
    return text;
}
