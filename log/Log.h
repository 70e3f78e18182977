// The module's log: one text file in the host's installation directory,
// written through a module-wide stream. Nothing raises the log level, so
// entries are only written where a caller sets it.
#pragma once

#include <optional>
#include <string>

#include "log/LogFileStream.h"

enum class Severity { Note = 0, Message = 1, Warning = 2, Error = 3, FatalError = 4 };

// Module-wide log state. logSink points at the log stream once it is open.
extern LogFileStream* logSink;
extern bool logEnabled;
extern int logLevel;

// The stream object that lives as long as the module: it closes the file when
// the module is unloaded.
LogFileStream& LogStream();

// File name of the log, appended to the installation directory text as it
// stands: the host's text already ends in a separator.
constexpr const char* kLogFileName = "rodadav.log";
std::string LogPathFor(const std::string& installDirectory);

// Opens the log for an activation: creates or empties the file unless the
// stream is still open from an earlier activation, in which case it is used
// as it is. Sets logSink and logEnabled accordingly. Without an installation
// directory there is no log: a bare file name would land in whatever folder
// is current.
void OpenLogForActivation(const std::optional<std::string>& installDirectory);

const char* SeverityName(Severity severity);

// Inserts into logSink for the length of one entry; does nothing while the
// sink is unset, and flushes the sink when it ends.
class LogWriter {
public:
    LogWriter() = default;
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;
    ~LogWriter();

    LogWriter& operator<<(const char* text);
    LogWriter& operator<<(const std::string& text);
    LogWriter& operator<<(unsigned char character);
    LogWriter& operator<<(int value);
    LogWriter& operator<<(unsigned int value);
    LogWriter& operator<<(short value);
    LogWriter& operator<<(unsigned short value);
    LogWriter& operator<<(long value);
    LogWriter& operator<<(float value);

    // hh:mm:ss on the 24-hour clock.
    LogWriter& TimeStamp();
    // Switches the sink to hexadecimal and writes the version stamp.
    LogWriter& VersionStamp();
    LogWriter& Flush();

private:
    template <class T>
    LogWriter& Insert(const T& value);
};

// The version stamp: major * 4096 + minor * 16 + patch, from its digit texts.
int VersionStampValue();

// Eight characters, as the runtime's _strtime writes them.
std::string TimeOfDayText(int hours, int minutes, int seconds);

// One line: time " - QVM " version " - " severity " : " message "\n".
// Nothing in the module calls it yet, so the log stays empty: kept on
// purpose, the log's format is part of the module.
void WriteEntry(Severity severity, const std::string& message);
