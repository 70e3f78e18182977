#include "x_input.h"

#include "harness.h"

namespace xinput {
namespace {

// Wine starts a Unix program without a process handle to wait on, so it
// runs under a shell that writes its exit status into a file when done, and
// the file is waited for.
std::string StatusFile() {
    static int count = 0;
    return "/tmp/ortolan-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++count);
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Runs a command line, its output into `output` when there is one.
bool Run(const std::string& commandLine, std::string* output) {
    const std::string status = StatusFile();
    const std::string printed = output ? status + ".out" : "/dev/null";
    std::string command =
        "/bin/sh -c \"" + commandLine + " >" + printed + " 2>&1; echo $? >" + status + "\"";
    // Its standard handles are NUL: a Unix program given this program's own
    // leaves them unusable under Wine when it ends.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) return false;
    // The handles in `process` are not to be closed: for a Unix program Wine
    // fills them with whatever, which may be a handle of this program's own
    // (its standard output, say).

    const std::string file = WindowsPath(status);
    std::string code;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
        code = harness::ReadFile(file);
        if (code.find('\n') != std::string::npos) break;
        // Handled as they come: in a chain of input (press, drag, release)
        // Wine may have to answer the first events before the next mean
        // anything, as when it hands a move to a window manager.
        harness::Pump(5);
    }
    DeleteFileA(file.c_str());
    if (output) *output = harness::ReadFile(WindowsPath(printed));
    if (output) DeleteFileA(WindowsPath(printed).c_str());
    harness::Pump(30);  // Wine reads the events it caused
    return code == "0\n";
}

}  // namespace

bool Xdotool(const std::string& arguments) { return Run("/usr/bin/xdotool " + arguments, nullptr); }

std::string Output(const std::string& commandLine) {
    std::string output;
    return Run(commandLine, &output) ? output : std::string();
}

bool MoveTo(POINT screen) {
    return Xdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
}

bool MoveBy(int dx, int dy) {
    // "--" so that a negative offset is not read as an option.
    return Xdotool("mousemove_relative -- " + std::to_string(dx) + " " + std::to_string(dy));
}

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace xinput
