// The stream under the module's log: a text file written through C stdio,
// with insertions that write what a standard output stream with its default
// settings writes for the same values.
//
// The module used to log through std::ofstream, which alone linked the C++
// runtime's iostream and locale machinery into it: over 800 KB, more than the
// whole module weighs without it, resources included. This stream keeps what
// the log relies on and nothing else:
//   - the file opens as the runtime's file stream opened it for out|trunc:
//     created or emptied, in text mode whatever the runtime's default mode
//     (a line feed reaches the file as CR LF on Windows), readable and
//     writable for everyone as far as the process's file creation mask
//     allows;
//   - integers are decimal until SetHex(), hexadecimal from then on for the
//     rest of the object's life, as a stream's basefield stays set; negative
//     values in hexadecimal are written as the unsigned value of their own
//     width, as a stream writes them;
//   - a float is written as a stream writes it: "%g" (six significant digits),
//     always with '.' as the decimal point whatever the C locale says;
//   - a char is the character itself.
// Errors while writing are not reported; nothing the module does depends on
// them.
#pragma once

#include <cstdio>
#include <string>

class LogFileStream {
public:
    LogFileStream() = default;
    LogFileStream(const LogFileStream&) = delete;
    LogFileStream& operator=(const LogFileStream&) = delete;
    ~LogFileStream() { Close(); }

    // Creates or empties the file and opens it for writing in text mode. A
    // stream that is already open stays as it is. Returns IsOpen().
    bool Open(const std::string& path);
    bool IsOpen() const { return file != nullptr; }
    void Close();
    void Flush();

    // Integer insertions are hexadecimal from now on.
    void SetHex() { hex = true; }

    LogFileStream& operator<<(const char* text);  // a null text writes nothing
    LogFileStream& operator<<(const std::string& text);
    LogFileStream& operator<<(char character);
    LogFileStream& operator<<(int value);
    LogFileStream& operator<<(unsigned int value);
    LogFileStream& operator<<(short value);
    LogFileStream& operator<<(unsigned short value);
    LogFileStream& operator<<(long value);
    LogFileStream& operator<<(float value);

private:
    void Write(const char* data, size_t size);
    template <class Signed>
    LogFileStream& InsertSigned(Signed value);
    void WriteSigned(long value);             // decimal only
    void WriteUnsigned(unsigned long value);  // decimal or hexadecimal

    std::FILE* file = nullptr;
    bool hex = false;
};
