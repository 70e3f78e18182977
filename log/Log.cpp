#include "log/Log.h"

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iterator>

LogFileStream* logSink = nullptr;
bool logEnabled = false;
int logLevel = 0;

namespace {
// Constructed when the module is loaded and destroyed, closing the file,
// when it is unloaded.
LogFileStream logStream;
}  // namespace

LogFileStream& LogStream() { return logStream; }

std::string LogPathFor(const std::string& installDirectory) {
    return installDirectory + kLogFileName;
}

void OpenLogForActivation(const std::optional<std::string>& installDirectory) {
    LogFileStream& stream = LogStream();
    // Text mode, output only: the file is created or emptied, never appended
    // to, and only once per module load.
    if (!stream.IsOpen() && installDirectory) stream.Open(LogPathFor(*installDirectory));
    if (stream.IsOpen()) logSink = &stream;
    logEnabled = logSink != nullptr;
}

const char* SeverityName(Severity severity) {
    static const char* const kNames[] = {"Note", "Message", "Warning", "Error", "FATAL ERROR"};
    const auto index = static_cast<size_t>(severity);
    assert(index < std::size(kNames));  // a Severity without a name here
    return kNames[index];
}

int VersionStampValue() {
    static const char* const kMajor = "1";
    static const char* const kMinor = "2";
    static const char* const kPatch = "2";
    return std::atoi(kMajor) * 4096 + std::atoi(kMinor) * 16 + std::atoi(kPatch);
}

std::string TimeOfDayText(int hours, int minutes, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours % 100, minutes % 100, seconds % 100);
    return text;
}

LogWriter::~LogWriter() {
    if (logSink) logSink->Flush();
}

template <class T>
LogWriter& LogWriter::Insert(const T& value) {
    if (logSink) *logSink << value;
    return *this;
}

LogWriter& LogWriter::operator<<(const char* text) { return text ? Insert(text) : *this; }
LogWriter& LogWriter::operator<<(const std::string& text) { return Insert(text); }
LogWriter& LogWriter::operator<<(unsigned char character) {
    return Insert(static_cast<char>(character));
}
LogWriter& LogWriter::operator<<(int value) { return Insert(value); }
LogWriter& LogWriter::operator<<(unsigned int value) { return Insert(value); }
LogWriter& LogWriter::operator<<(short value) { return Insert(value); }
LogWriter& LogWriter::operator<<(unsigned short value) { return Insert(value); }
LogWriter& LogWriter::operator<<(long value) { return Insert(value); }
LogWriter& LogWriter::operator<<(float value) { return Insert(value); }

LogWriter& LogWriter::TimeStamp() {
    if (!logSink) return *this;
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return Insert(TimeOfDayText(local.tm_hour, local.tm_min, local.tm_sec));
}

LogWriter& LogWriter::VersionStamp() {
    if (!logSink) return *this;
    logSink->SetHex();
    return Insert(VersionStampValue());
}

LogWriter& LogWriter::Flush() {
    if (logSink) logSink->Flush();
    return *this;
}

void WriteEntry(Severity severity, const std::string& message) {
    if (logLevel == 0 || !logEnabled) return;
    LogWriter writer;
    writer.TimeStamp();
    writer << " - QVM ";
    writer.VersionStamp();
    writer << " - " << SeverityName(severity);
    writer << " : " << message << "\n";
    writer.Flush();
}
