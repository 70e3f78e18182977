#include "host/tsxapi/journal.h"

#include <cstring>

#include "base/DecimalText.h"

namespace standin {

// "%g" as the C locale writes it, never with the decimal comma of a locale
// that something in the process may have set: tests read these lines.
std::string FormatNumber(double value) { return FormatDecimal(value, DecimalForm::General, 6); }

std::string FormatInt(int value) { return std::to_string(value); }

std::string FormatVector(const Vector3& v) {
    return "{" + FormatNumber(v.x) + ", " + FormatNumber(v.y) + ", " + FormatNumber(v.z) + "}";
}

std::string FormatBBox(const BBox& box) {
    return "{" + FormatVector(box.min) + ", " + FormatVector(box.max) + "}";
}

std::string FormatText(const char* text) {
    if (!text) return "null";
    return "\"" + std::string(text) + "\"";
}

std::string FormatHandle(int id) {
    if (id == 0) return "null";
    if (id < 0) return "unknown";
    return "#" + std::to_string(id);
}

CallLine& CallLine::Arg(const std::string& argument) {
    arguments.push_back(argument);
    return *this;
}

CallLine& CallLine::Result(const std::string& value) {
    result = value;
    hasResult = true;
    return *this;
}

std::string CallLine::Text() const {
    std::string line = text + "(";
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i) line += ", ";
        line += arguments[i];
    }
    line += ")";
    if (hasResult) line += " -> " + result;
    return line;
}

void Journal::Append(const std::string& line) {
    lines.push_back(line);
    // A copy: a listener that makes a host call itself appends to `lines`.
    if (listener) listener(std::string(line));
}

const std::string* Journal::Line(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &lines[index];
}

int Journal::CopyLine(int index, char* buffer, int size) const {
    const std::string* line = Line(index);
    if (!line) {
        if (buffer && size > 0) buffer[0] = '\0';
        return -1;
    }
    if (buffer && size > 0) {
        size_t n = line->size() < static_cast<size_t>(size - 1) ? line->size()
                                                                : static_cast<size_t>(size - 1);
        std::memcpy(buffer, line->data(), n);
        buffer[n] = '\0';
    }
    return static_cast<int>(line->size());
}

}  // namespace standin
