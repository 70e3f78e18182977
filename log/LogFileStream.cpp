#include "log/LogFileStream.h"

#include <cstring>
#include <type_traits>

#include "base/DecimalText.h"

bool LogFileStream::Open(const std::string& path) {
    // Created or emptied, for writing, in text mode. The 't' says so
    // outright: without it the Windows runtime takes its global default
    // mode, which is the host's to set (_fmode is one per process with the
    // shared runtime) and may be binary. Other runtimes ignore the 't'.
    if (!file) file = std::fopen(path.c_str(), "wt");
    return IsOpen();
}

void LogFileStream::Close() {
    if (!file) return;
    std::fclose(file);
    file = nullptr;
}

void LogFileStream::Flush() {
    if (file) std::fflush(file);
}

void LogFileStream::Write(const char* data, size_t size) {
    if (file && size > 0) std::fwrite(data, 1, size, file);
}

void LogFileStream::WriteSigned(long value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%ld", value);
    Write(text, static_cast<size_t>(length));
}

void LogFileStream::WriteUnsigned(unsigned long value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, hex ? "%lx" : "%lu", value);
    Write(text, static_cast<size_t>(length));
}

LogFileStream& LogFileStream::operator<<(const char* text) {
    if (text) Write(text, std::strlen(text));
    return *this;
}

LogFileStream& LogFileStream::operator<<(const std::string& text) {
    Write(text.data(), text.size());
    return *this;
}

LogFileStream& LogFileStream::operator<<(char character) {
    Write(&character, 1);
    return *this;
}

// In hexadecimal a stream writes a negative value as the unsigned value of the
// same width: -1 as a short is ffff, as an int ffffffff.
template <class Signed>
LogFileStream& LogFileStream::InsertSigned(Signed value) {
    if (hex) {
        WriteUnsigned(static_cast<std::make_unsigned_t<Signed>>(value));
    } else {
        WriteSigned(value);
    }
    return *this;
}

LogFileStream& LogFileStream::operator<<(int value) { return InsertSigned(value); }
LogFileStream& LogFileStream::operator<<(short value) { return InsertSigned(value); }
LogFileStream& LogFileStream::operator<<(long value) { return InsertSigned(value); }

LogFileStream& LogFileStream::operator<<(unsigned int value) {
    WriteUnsigned(value);
    return *this;
}

LogFileStream& LogFileStream::operator<<(unsigned short value) {
    WriteUnsigned(value);
    return *this;
}

LogFileStream& LogFileStream::operator<<(float value) {
    // A stream formats with "%.*g" at its default precision of 6 in the "C"
    // locale and puts its own locale's point in, which by default is '.'.
    return *this << FormatDecimal(static_cast<double>(value), DecimalForm::General, 6);
}
