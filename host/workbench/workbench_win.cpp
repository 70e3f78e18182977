// The stand-in host program: loads an extension module and gives it what a
// host gives it, a main view, an icon to click and the tsxapi.dll scene.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "host/hosting/host_loop_win.h"
#include "host/hosting/module_link_win.h"
#include "host/workbench/command_line.h"
#include "host/workbench/demo_win.h"
#include "host/workbench/main_window_win.h"

using namespace workbench;

namespace {

const int kExitModule = 1;  // the module or one of its exports is missing
const int kExitUsage = 2;   // the command line was not understood
const int kExitWindow = 4;  // the main window could not be made

std::string ProgramPath() {
    char path[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length && length < sizeof path ? std::string(path, length) : std::string();
}

// A window of about 1024 x 720 inside the work area: at its top left corner
// for the demo (so screenshots are whole), centred otherwise.
RECT WindowBounds(bool demo) {
    RECT work{0, 0, 1024, 768};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = std::min<int>(1024, work.right - work.left);
    int height = std::min<int>(720, work.bottom - work.top);
    int left = demo ? work.left : work.left + (work.right - work.left - width) / 2;
    int top = demo ? work.top : work.top + (work.bottom - work.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void ShowError(const std::string& text) { MessageBoxA(nullptr, text.c_str(), "Ortolan workbench", MB_OK | MB_ICONERROR); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Options options = ParseOptions(SplitCommandLine(GetCommandLineA()));
    if (!options.error.empty()) {
        if (options.demo) {
            DemoRunner runner(options.outDir);
            std::string ignored;
            if (runner.PrepareOutput(&ignored)) runner.Fail(options.error, kExitUsage);
        } else if (std::string(GetCommandLineA()).find("--demo") == std::string::npos) {
            ShowError(options.error + "\n\n" + kUsage);
        }
        return kExitUsage;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    std::unique_ptr<DemoRunner> demo;
    if (options.demo) {
        demo.reset(new DemoRunner(options.outDir));
        std::string error;
        if (!demo->PrepareOutput(&error)) return kExitUsage;  // nowhere to report to
    }

    std::string modulePath =
        options.modulePath.empty() ? BesideProgram(ProgramPath(), kDefaultModuleName) : options.modulePath;
    // Declared before the window: the module is unloaded only after the main
    // window, and with it every window of the module, is gone.
    hosting::ModuleLink module;
    if (!module.Load(modulePath)) {
        if (demo) return demo->Fail(module.Error(), kExitModule);
        ShowError(module.Error());
        return kExitModule;
    }
    if (demo) {
        demo->Note("module: " + module.Path());
        demo->Note(std::string("host loop: ") + hosting::LoopKindName(options.hostLoop));
    }

    MainWindow window(module);
    if (!window.Create(instance, WindowBounds(options.demo))) {
        std::string error = "cannot create the main window: " + hosting::DescribeError(GetLastError());
        if (demo) return demo->Fail(error, kExitWindow);
        ShowError(error);
        return kExitWindow;
    }
    const hosting::MessageLoop loop(options.hostLoop, window.Window(), window.Keys().Table());
    if (demo) return demo->Run(window, module, loop);
    return loop.Run();
}
