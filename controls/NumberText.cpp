#include "controls/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "base/DecimalText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return IsBlank(c) || (c >= '\n' && c <= '\r'); }  // \n \v \f \r

// Exponents are summed with saturation: "1e99999999999999999999" must not
// wrap around into a small number. Anything past this is far beyond any
// floating-point range either way.
constexpr long long kExponentCap = 1000000000000000LL;
// Decimal orders beyond these are zero or too large for a double, whatever
// the digits; within them the digits go to from_chars.
constexpr long long kMaxOrder = 400;
constexpr long long kMinOrder = -400;

struct Scanned {
    size_t length = 0;  // 0: no number
    bool negative = false;
    size_t intBegin = 0, intCount = 0;
    size_t fracBegin = 0, fracCount = 0;
    long long exponent = 0;
};

Scanned Scan(const char* text, size_t length) {
    Scanned s;
    size_t i = 0;
    if (i < length && (text[i] == '+' || text[i] == '-')) s.negative = text[i++] == '-';
    s.intBegin = i;
    while (i < length && IsDigit(text[i])) ++i;
    s.intCount = i - s.intBegin;
    if (i < length && text[i] == '.') {
        s.fracBegin = i + 1;
        size_t j = s.fracBegin;
        while (j < length && IsDigit(text[j])) ++j;
        s.fracCount = j - s.fracBegin;
        // "1." is the number 1 with its point; a lone "." is nothing.
        if (s.intCount > 0 || s.fracCount > 0) i = j;
    }
    if (s.intCount == 0 && s.fracCount == 0) return Scanned();

    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < length && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        if (j < length && IsDigit(text[j])) {
            long long exponent = 0;
            for (; j < length && IsDigit(text[j]); ++j) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (text[j] - '0');
            }
            s.exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    s.length = i;
    return s;
}

// The scanned number rewritten as "[-]d.ddde<order>" with neither leading
// nor trailing zeros, and its order kept apart: from_chars wants '.', and a
// range error from it needs the order to tell overflow from underflow.
template <class Real>
bool Convert(const char* text, const Scanned& s, Real& value) {
    const size_t count = s.intCount + s.fracCount;
    auto digit = [&](size_t k) {
        return k < s.intCount ? text[s.intBegin + k] : text[s.fracBegin + (k - s.intCount)];
    };
    size_t first = 0;
    while (first < count && digit(first) == '0') ++first;
    const Real zero = s.negative ? -Real(0) : Real(0);
    if (first == count) {
        value = zero;
        return true;
    }
    size_t last = count - 1;
    while (digit(last) == '0') --last;

    const long long order =
        static_cast<long long>(s.intCount) - 1 - static_cast<long long>(first) + s.exponent;
    if (order > kMaxOrder) return false;
    if (order < kMinOrder) {
        value = zero;
        return true;
    }

    // Sign, digits, point, 'e' and an order of at most four characters. The
    // numbers the panel writes and most that are typed have a handful of
    // digits and are rewritten on the stack; a heap string for every
    // keystroke cost as much again as the conversion itself.
    const size_t size = (last - first + 1) + 8;
    char onStack[64];
    std::string onHeap;
    char* canonical = onStack;
    if (size > sizeof onStack) {
        onHeap.resize(size);
        canonical = &onHeap[0];
    }
    char* end = canonical;
    if (s.negative) *end++ = '-';
    *end++ = digit(first);
    if (last > first) {
        *end++ = '.';
        for (size_t k = first + 1; k <= last; ++k) *end++ = digit(k);
    }
    *end++ = 'e';
    end = std::to_chars(end, canonical + size, order).ptr;

    Real result = 0;
    const std::from_chars_result r = std::from_chars(canonical, end, result);
    if (r.ec == std::errc::result_out_of_range) {
        if (order > 0) return false;
        value = zero;  // below half the smallest subnormal
        return true;
    }
    if (r.ec != std::errc() || r.ptr != end) return false;
    value = result;
    return true;
}

template <class Real>
bool ConvertExactly(const char* number, size_t length, Real& value) {
    if (!number) return false;
    const Scanned s = Scan(number, length);
    if (s.length == 0 || s.length != length) return false;
    return Convert(number, s, value);
}

}  // namespace

size_t ScanDecimal(const char* text, size_t length) { return text ? Scan(text, length).length : 0; }

bool ConvertDecimal(const char* number, size_t length, double& value) {
    return ConvertExactly(number, length, value);
}

bool ConvertDecimal(const char* number, size_t length, float& value) {
    return ConvertExactly(number, length, value);
}

double AtofDecimal(const char* text) {
    if (!text) return 0.0;
    while (IsSpace(*text)) ++text;
    const Scanned s = Scan(text, std::strlen(text));
    double value = 0.0;
    if (s.length == 0 || !Convert(text, s, value)) return 0.0;
    return value;
}

bool ParseFieldFloat(const std::string& text, float& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const Scanned s = Scan(text.data() + i, text.size() - i);
    if (s.length == 0) return false;
    for (size_t j = i + s.length; j < text.size(); ++j) {
        if (!IsBlank(text[j])) return false;
    }
    return Convert(text.data() + i, s, value);
}

std::string FormatFieldFloat(float value) {
    return FormatDecimal(static_cast<double>(value), DecimalForm::General, 6);
}

const std::string& FieldNumber::Write(float value) {
    written = FormatFieldFloat(value);
    exact = value;
    kept = std::isfinite(value);
    return written;
}

bool FieldNumber::Read(const std::string& text, float& value) const {
    if (kept && text == written) {
        value = exact;
        return true;
    }
    return ParseFieldFloat(text, value);
}
