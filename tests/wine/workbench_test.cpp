// The workbench program run as a user or a script runs it: its scripted demo
// with the real module, and its error reports when the module or one of its
// entry points is missing or the command line is wrong.
#include <cstdint>
#include <cstring>
#include <string>

#include "harness.h"
#include "host/workbench/commands.h"
#include "tests/support/bitmaps.h"

using namespace harness;

namespace {

const DWORD kRunLimit = 40000;  // milliseconds for one workbench run

bool StartWorkbench(const std::string& arguments, PROCESS_INFORMATION* process) {
    std::string command = "\"" + ProgramFolder() + "workbench.exe\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, process)) {
        Fail(__FILE__, __LINE__, "workbench.exe did not start: " + command);
        return false;
    }
    return true;
}

// Runs workbench.exe from the test's folder with `arguments`; the exit code,
// or -1 when it could not start or did not finish in time.
int RunWorkbench(const std::string& arguments) {
    PROCESS_INFORMATION process{};
    if (!StartWorkbench(arguments, &process)) return -1;
    DWORD waited = WaitForSingleObject(process.hProcess, kRunLimit);
    DWORD code = static_cast<DWORD>(-1);
    if (waited == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 99);
        Fail(__FILE__, __LINE__, "workbench.exe did not finish: " + arguments);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0 ? static_cast<int>(code) : -1;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A 24-bit BMP of a plausible window size whose pixels are not all one colour.
void CheckScreenshot(const std::string& path) {
    Bmp bmp;
    const std::string fault = ReadBmp(ReadFile(path), bmp);
    if (!fault.empty()) Fail(__FILE__, __LINE__, path + ": " + fault);
    REQUIRE(fault.empty());
    CHECK(bmp.picture.width >= 200 && bmp.picture.width <= 4096);
    CHECK(bmp.picture.height >= 150 && bmp.picture.height <= 4096);
    CHECK_EQ(24, bmp.bitsPerPixel);
    bool varied = false;
    for (std::uint32_t colour : bmp.picture.pixels)
        varied = varied || colour != bmp.picture.pixels[0];
    CHECK(varied);
}

struct PanelCount {
    HWND owner;
    DWORD process;
    int count;
};

BOOL CALLBACK CountPanel(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<PanelCount*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (process == search->process && GetWindow(window, GW_OWNER) == search->owner &&
        std::strcmp(name, "#32770") == 0) {
        ++search->count;
    }
    return TRUE;
}

// Dialog windows of the workbench owned by its main window: the module's panels.
int CountPanels(HWND main, DWORD process) {
    PanelCount search{main, process, 0};
    EnumWindows(CountPanel, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// Waits until the count of panels is `expected`; the last count seen.
int WaitForPanels(HWND main, DWORD process, int expected) {
    int count = -1;
    for (int i = 0; i < 100 && count != expected; ++i) {
        Sleep(50);
        count = CountPanels(main, process);
    }
    return count;
}

void ClickIcon(HWND strip) {
    // The icon sits a few pixels in from the strip's top left corner.
    PostMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
    PostMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
}

}  // namespace

WINE_TEST(IconClicksAndDeactivateCommandDriveTheModule) {
    PROCESS_INFORMATION process{};
    REQUIRE(StartWorkbench("", &process));
    // The window has its title before WM_CREATE makes its children; it is shown once they exist.
    HWND main = nullptr;
    HWND strip = nullptr;
    for (int i = 0; i < 200 && !(main && strip && IsWindowVisible(main)); ++i) {
        Sleep(50);
        main = FindWindowA(workbench::kMainWindowClass, "Ortolan workbench");
        strip = main ? FindWindowExA(main, nullptr, workbench::kToolStripClass, nullptr) : nullptr;
    }
    if (main && strip) {
        CHECK_EQ(0, CountPanels(main, process.dwProcessId));
        ClickIcon(strip);
        CHECK_EQ(1, WaitForPanels(main, process.dwProcessId, 1));
        // A second click while active brings the same panel back.
        ClickIcon(strip);
        Sleep(300);
        CHECK_EQ(1, CountPanels(main, process.dwProcessId));
        // Deactivated, the next click is a new activation with a panel of its own.
        PostMessageA(main, WM_COMMAND, workbench::kDeactivateCommand, 0);
        ClickIcon(strip);
        CHECK_EQ(2, WaitForPanels(main, process.dwProcessId, 2));
        PostMessageA(main, WM_CLOSE, 0, 0);
    } else {
        Fail(__FILE__, __LINE__, "no workbench window with a tool strip");
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    }
    DWORD code = 99;
    if (WaitForSingleObject(process.hProcess, kRunLimit) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 99);
    }
    CHECK_EQ(0u, code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

WINE_TEST(DemoLeavesReportScreenshotsAndJournal) {
    std::string out = FreshFolder("demo");
    CHECK_EQ(0, RunWorkbench("--demo \"" + out +
                             "\\\""));  // a trailing backslash, quoted as the C runtime wants
    std::string report = ReadFile(out + "report.txt");
    CHECK(Contains(report, "name: Ortolan\n"));
    CHECK(Contains(report, "description: Was written by me\n"));
    CHECK(Contains(report, "icon id: 2001\n"));
    CHECK(Contains(report, "credit id: 2002\n"));
    CHECK(Contains(report, "\ncredit: Ortolan"));
    CHECK(Contains(report, "version: 510\n"));
    CHECK(Contains(report, "result: ok\n"));
    CHECK(!Contains(report, "error:"));
    CheckScreenshot(out + "01-panel-open.bmp");
    // Reduced to the field rows, restored, reduced to the title strip, restored.
    size_t fields = report.find("panel height: 117\n");
    size_t title = report.find("panel height: 14\n", fields);
    CHECK(fields != std::string::npos && title != std::string::npos);
    CheckScreenshot(out + "02-panel-fields.bmp");
    CheckScreenshot(out + "03-panel-title.bmp");
    CheckScreenshot(out + "04-object-edited.bmp");
    CheckScreenshot(out + "05-after-reactivation.bmp");
    CheckScreenshot(out + "06-panel-tip.bmp");

    // Two activations, each opening a panel under the main view.
    std::string journal = ReadFile(out + "journal.txt");
    size_t views = 0;
    for (size_t at = journal.find("tsxGetMainViewHwnd() -> window\n"); at != std::string::npos;
         at = journal.find("tsxGetMainViewHwnd() -> window\n", at + 1)) {
        ++views;
    }
    CHECK_EQ(2u, views);
    CHECK(Contains(journal, "tsxGetTSDir(0) -> \""));
    // The typed location and the spin step above it reached the host.
    CHECK(Contains(journal, "tsxGNodeSetLocation(#1, {0, 7.5, 0})\n"));
    CHECK(Contains(journal, "tsxGNodeSetLocation(#1, {0, 7.6, 0})\n"));
}

WINE_TEST(MissingModuleIsReportedByName) {
    std::string out = FreshFolder("nomodule");
    CHECK_EQ(1, RunWorkbench("--demo " + out + " " + out + "nosuch.tsx"));
    std::string report = ReadFile(out + "report.txt");
    CHECK(Contains(report, "error: cannot load the module " + out + "nosuch.tsx"));
    CHECK(Contains(report, "result: failed"));
    CHECK(!FileExists(out + "01-panel-open.bmp"));
}

WINE_TEST(MissingExportIsReportedByName) {
    // The host library is a DLL without any of the module's entry points.
    std::string out = FreshFolder("noexport");
    CHECK_EQ(1, RunWorkbench("--demo " + out + " \"" + ProgramFolder() + "tsxapi.dll\""));
    std::string report = ReadFile(out + "report.txt");
    CHECK(Contains(report, "has no export tsxGetData"));
    CHECK(Contains(report, "result: failed"));
}

WINE_TEST(BadCommandLineIsReportedInDemoMode) {
    std::string out = FreshFolder("usage");
    CHECK_EQ(2, RunWorkbench("--demo " + out + " --colour"));
    CHECK(Contains(ReadFile(out + "report.txt"), "error: unknown option --colour"));
}
