// The stand-in host's journal of API calls, without windows.h.
//
// One line per call, in call order, in the format of host/standin.h:
//     name(arguments) -> result
// The formatters below give each kind of argument its text; CallLine joins
// them. The stand-in's own words for what standin.h leaves open:
//     a handle that is not null and not a live object   unknown
//     a null record pointer                              null
//     a host memory block / vertex array / window        block / array / window
//     a pointer tsxFree does not know                    unknown
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "api/host_records.h"

namespace standin {

std::string FormatNumber(double value);  // printf %g in the C locale
std::string FormatInt(int value);
std::string FormatVector(const Vector3& v);  // {x, y, z}
std::string FormatBBox(const BBox& box);     // {{x, y, z}, {x, y, z}}
std::string FormatText(const char* text);    // "text", or null
std::string FormatHandle(int id);            // #id; id 0 gives null, id < 0 unknown
const char* const kAxesText = "axes";
const char* const kMatrixText = "matrix";

// Builds one journal line.
class CallLine {
public:
    explicit CallLine(const char* name) : text(name) {}
    CallLine& Arg(const std::string& argument);
    CallLine& Result(const std::string& result);
    std::string Text() const;

private:
    std::string text;
    std::vector<std::string> arguments;
    std::string result;
    bool hasResult = false;
};

class Journal {
public:
    using Listener = std::function<void(const std::string& line)>;

    void Append(const std::string& line);
    void Clear() { lines.clear(); }
    int Count() const { return static_cast<int>(lines.size()); }
    // Line index, or null outside 0 .. Count() - 1.
    const std::string* Line(int index) const;
    // Copies line index into buffer (NUL-terminated, truncated to size) and
    // returns its full length; -1 for no such line. A null buffer or a size
    // below 1 copies nothing but still gives the length.
    int CopyLine(int index, char* buffer, int size) const;
    // Called after every Append; an empty listener stops the calls.
    void SetListener(Listener listener) { this->listener = std::move(listener); }
    const std::vector<std::string>& Lines() const { return lines; }

private:
    std::vector<std::string> lines;
    Listener listener;
};

}  // namespace standin
