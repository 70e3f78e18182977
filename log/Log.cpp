#include "log/Log.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

std::ostream* logSink = nullptr;
bool logEnabled = false;
int logLevel = 0;

namespace {
// Constructed when the module is loaded and destroyed, closing the file,
// when it is unloaded.
std::ofstream logStream;
}  // namespace

std::ofstream& LogStream() { return logStream; }

std::string LogPathFor(const std::string& installDirectory) {
    return installDirectory + kLogFileName;
}

void OpenLogForActivation(const std::string& installDirectory) {
    std::ofstream& stream = LogStream();
    if (!stream.is_open()) {
        // Text mode, output only: the file is created or emptied, never
        // appended to. The runtime creates it readable and writable.
        stream.open(LogPathFor(installDirectory), std::ios::out | std::ios::trunc);
    }
    if (stream.is_open()) logSink = &stream;
    logEnabled = logSink != nullptr;
}

const char* SeverityName(Severity severity) {
    static const char* const kNames[] = {"Note", "Message", "Warning", "Error", "FATAL ERROR"};
    return kNames[static_cast<int>(severity)];
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
    if (logSink) logSink->flush();
}

template <class T>
LogWriter& LogWriter::Insert(const T& value) {
    if (logSink) *logSink << value;
    return *this;
}

LogWriter& LogWriter::operator<<(const char* text) {
    return text ? Insert(text) : *this;
}
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
    if (logSink) *logSink << std::hex << VersionStampValue();
    return *this;
}

LogWriter& LogWriter::Flush() {
    if (logSink) logSink->flush();
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
