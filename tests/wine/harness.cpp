#include "harness.h"

#include <cstdio>
#include <fstream>

namespace harness {
namespace {

struct Test {
    const char* name;
    TestFunction function;
};

std::vector<Test>& Tests() {
    static std::vector<Test> tests;
    return tests;
}

const char* currentTest = "";
int failures = 0;
// Tick counts at the start of the running test, for its time, and at its
// last sign of progress, for the watchdog.
volatile DWORD testStarted = 0;
volatile DWORD testProgressed = 0;
constexpr DWORD kTestLimitMs = 60000;

// Ends the program when one test runs for longer than a minute: a test
// that waits on a window that never comes must fail, not hang.
DWORD WINAPI Watchdog(void*) {
    for (;;) {
        Sleep(500);
        if (GetTickCount() - testProgressed > kTestLimitMs) {
            std::fprintf(stderr, "watchdog: test %s did not finish in time\n", currentTest);
            std::fflush(stderr);
            ExitProcess(3);
        }
    }
}

}  // namespace

Registrar::Registrar(const char* name, TestFunction function) {
    Tests().push_back({name, function});
}

void Fail(const char* file, int line, const std::string& message) {
    ++failures;
    std::fprintf(stderr, "%s:%d: in %s: %s\n", file, line, currentTest, message.c_str());
    std::fflush(stderr);
}

std::string ToText(const std::vector<std::string>& lines) {
    std::string text = "[";
    for (const std::string& line : lines) text += "\n        " + line;
    return text + "]";
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        Drain();
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

void KeepAlive() { testProgressed = GetTickCount(); }

std::vector<std::string> Journal() {
    std::vector<std::string> lines;
    const int count = standinJournalCount();
    for (int i = 0; i < count; ++i) {
        const int length = standinJournalLine(i, nullptr, 0);
        std::string line(length > 0 ? length : 0, '\0');
        std::vector<char> buffer(line.size() + 1);
        standinJournalLine(i, buffer.data(), static_cast<int>(buffer.size()));
        lines.emplace_back(buffer.data());
    }
    return lines;
}

std::vector<std::string> JournalCalls(const char* prefix) {
    std::vector<std::string> matching;
    for (const std::string& line : Journal())
        if (line.compare(0, lstrlenA(prefix), prefix) == 0) matching.push_back(line);
    return matching;
}

std::string JournalText() { return ToText(Journal()); }

StandinObject Cube() {
    StandinObject cube{};
    standinGetObject(standinObjectAt(0), &cube);
    return cube;
}

void SetPointSelection(const Vector3& position, const Vector3& euler) {
    standinSetPointAxes(&position, &euler);
    StandinObject cube = Cube();
    cube.selectedFaces = 2;
    standinSetObject(standinObjectAt(0), &cube);
}

void Command(HWND panel, int id) {
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(panel, id)));
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string FreshFolder(const char* name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder =
        std::string(temp) + "ortolan-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return folder;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

namespace {
const char* const kProfileKey = "Software\\Kestrelworks\\ortolan\\MainPanel";
}

void DeleteProfile() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestrelworks"); }

bool ReadProfile(const char* entry, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, kProfileKey, entry, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

void WriteProfile(const char* entry, DWORD value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

namespace {

// The module beside the program, or the one ORTOLAN_MODULE names (an
// installed copy, as the package check runs the tests against it).
std::string ModulePath() {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("ORTOLAN_MODULE", path, sizeof path);
    if (length > 0 && length < sizeof path) return path;
    return ProgramFolder() + "ortolan.tsx";
}

}  // namespace

ModuleFixture::ModuleFixture(hosting::LoopKind loop) : host(loop), view(host.View()) {
    DeleteProfile();
    TakeDismissedBoxes();
    UseLoop(&host.Loop());
    Pump(20);
    installFolder = FreshFolder("install");
    const std::string path = ModulePath();
    if (!host.Load(path, installFolder)) {
        UseLoop(nullptr);
        Fail(__FILE__, __LINE__, host.Module().Error());
        throw Abort();
    }
    const hosting::ModuleLink& link = host.Module();
    module = link.Handle();
    getData = link.getData;
    getVersion = link.getVersion;
    leftClick = link.leftClick;
    rightClick = link.rightClick;
    deactivate = link.deactivate;
}

ModuleFixture::~ModuleFixture() {
    host.Close();
    UseLoop(nullptr);
}

std::vector<HWND> ModuleFixture::Panels() const {
    std::vector<HWND> found;
    for (HWND window : host.Owned())
        if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) found.push_back(window);
    return found;
}

HWND ModuleFixture::Panel() const {
    const std::vector<HWND> panels = Panels();
    if (panels.size() != 1) {
        Fail(__FILE__, __LINE__,
             "expected exactly one panel window, found " + std::to_string(panels.size()));
        throw Abort();
    }
    return panels.front();
}

OpenedPanel::OpenedPanel(hosting::LoopKind loop) : f(loop) {
    f.leftClick();
    Pump();
    panel = f.Panel();
    standinJournalClear();
}

int OpenedPanel::Height() const {
    RECT r{};
    GetWindowRect(panel, &r);
    return r.bottom - r.top;
}

}  // namespace harness

// With an argument, only the tests whose names contain it run.
int main(int argc, char** argv) {
    using namespace harness;
    const std::string only = argc > 1 ? argv[1] : "";
    StartBoxWatcher();
    testStarted = testProgressed = GetTickCount();
    CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
    int passed = 0;
    int failed = 0;
    for (const Test& test : Tests()) {
        if (std::string(test.name).find(only) == std::string::npos) continue;
        currentTest = test.name;
        testStarted = testProgressed = GetTickCount();
        const int before = failures;
        try {
            test.function();
        } catch (const Abort&) {}
        const DWORD elapsed = GetTickCount() - testStarted;
        if (failures == before) {
            ++passed;
            std::printf("ok      %s (%lu ms)\n", test.name, static_cast<unsigned long>(elapsed));
        } else {
            ++failed;
            std::printf("FAILED  %s (%lu ms)\n", test.name, static_cast<unsigned long>(elapsed));
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
