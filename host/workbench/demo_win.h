// The scripted demo session (--demo <outdir>): runs kDemoScript against the
// module without user input and leaves report.txt, the screenshots and
// journal.txt in the output folder. It never waits on a message box: errors
// go to the report, and message boxes that come up are noted and dismissed.
#pragma once

#include <string>
#include <vector>

#include "host/hosting/host_loop_win.h"
#include "host/hosting/module_link_win.h"
#include "host/workbench/main_window_win.h"

namespace workbench {

class DemoRunner {
public:
    explicit DemoRunner(const std::string& outDir);
    DemoRunner(const DemoRunner&) = delete;
    DemoRunner& operator=(const DemoRunner&) = delete;
    ~DemoRunner();

    // Creates the output folder (and its parents). False: nowhere to write.
    bool PrepareOutput(std::string* error);
    // Adds a line to the report and writes the report out again, so that a
    // session that dies half-way still leaves what it got to.
    void Note(const std::string& line);
    // Reports a failure before the session could start; the exit code.
    int Fail(const std::string& what, int exitCode);
    // Runs the script; returns the exit code (0 when every step worked).
    int Run(MainWindow& window, const hosting::ModuleLink& module, const hosting::MessageLoop& loop);

private:
    std::string OutPath(const char* file) const;
    bool WriteJournal(const std::string& path, std::string* error) const;
    void WriteRecord(const hosting::ModuleLink& module);
    static HWND LatestPanel(MainWindow& window);
    static void CALLBACK WatchMessageBoxes(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK DismissIfMessageBox(HWND window, LPARAM);

    std::string outDir;
    std::vector<std::string> report;
    UINT_PTR watchTimer = 0;
};

}  // namespace workbench
