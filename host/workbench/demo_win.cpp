#include "host/workbench/demo_win.h"

#include <cstring>
#include <utility>
#include <fstream>

#include "host/standin.h"
#include "host/workbench/demo_script.h"
#include "host/workbench/screenshot_win.h"

namespace workbench {
namespace {

const UINT kWatchMilliseconds = 100;
const int kMessageTextId = 0xFFFF;  // the text of a message box's dialog

DemoRunner* watching = nullptr;  // the runner the message box watch reports to

bool CreateFolders(const std::string& path, std::string* error) {
    if (path.empty()) return true;
    // Make each parent in turn; existing ones (and a drive like "Z:") are fine.
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i != path.size() && path[i] != '\\' && path[i] != '/') continue;
        std::string prefix = path.substr(0, i);
        if (prefix.empty() || prefix.back() == ':') continue;
        if (!CreateDirectoryA(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            *error = "cannot create the folder " + prefix + ": " + hosting::DescribeError(GetLastError());
            return false;
        }
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        *error = "the output folder " + path + " is not a folder";
        return false;
    }
    return true;
}

}  // namespace

DemoRunner::DemoRunner(const std::string& dir) : outDir(dir) {
    watching = this;
    watchTimer = SetTimer(nullptr, 0, kWatchMilliseconds, &DemoRunner::WatchMessageBoxes);
}

DemoRunner::~DemoRunner() {
    if (watchTimer) KillTimer(nullptr, watchTimer);
    if (watching == this) watching = nullptr;
}

bool DemoRunner::PrepareOutput(std::string* error) { return CreateFolders(outDir, error); }

std::string DemoRunner::OutPath(const char* file) const {
    if (outDir.empty()) return file;
    char last = outDir.back();
    return outDir + (last == '\\' || last == '/' ? "" : "\\") + file;
}

void DemoRunner::Note(const std::string& line) {
    report.push_back(line);
    std::ofstream out(OutPath(kReportFile), std::ios::binary | std::ios::trunc);
    for (const std::string& l : report) out << l << '\n';
}

int DemoRunner::Fail(const std::string& what, int exitCode) {
    Note("error: " + what);
    Note("result: failed");
    return exitCode;
}

void DemoRunner::WriteRecord(const hosting::ModuleLink& module) {
    hosting::ExtensionInfo info = module.GetData();
    Note("name: " + info.name);
    Note("description: " + info.description);
    Note("icon id: " + std::to_string(info.iconId));
    Note("credit id: " + std::to_string(info.creditId));
    Note("credit: " + module.LoadStringResource(info.creditId));
    HBITMAP icon = module.LoadBitmapResource(info.iconId);
    BITMAP bitmap{};
    if (icon && GetObjectA(icon, sizeof bitmap, &bitmap)) {
        Note("icon bitmap: " + std::to_string(bitmap.bmWidth) + " x " + std::to_string(bitmap.bmHeight));
    } else {
        Note("icon bitmap: none (a grey square stands in)");
    }
    if (icon) DeleteObject(icon);
    Note("version: " + std::to_string(module.getVersion()));
}

bool DemoRunner::WriteJournal(const std::string& path, std::string* error) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::vector<char> line(256);
    int count = standinJournalCount();
    for (int i = 0; i < count; ++i) {
        int length = standinJournalLine(i, line.data(), static_cast<int>(line.size()));
        if (length >= static_cast<int>(line.size())) {
            line.resize(length + 1);
            length = standinJournalLine(i, line.data(), static_cast<int>(line.size()));
        }
        if (length >= 0) out << line.data() << '\n';
    }
    out.close();
    if (!out) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

namespace {

BOOL CALLBACK FindPanel(HWND candidate, LPARAM lp) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(lp);
    if (GetWindow(candidate, GW_OWNER) == search->first && IsWindowVisible(candidate) &&
        (GetWindowLongA(candidate, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        search->second = candidate;
        return FALSE;  // the topmost one
    }
    return TRUE;
}

}  // namespace

// The module's panel that is on top: a tool window owned by the main view,
// which as a pop-up is owned by the view's top-level window.
HWND DemoRunner::LatestPanel(MainWindow& window) {
    std::pair<HWND, HWND> search(GetAncestor(window.View(), GA_ROOT), nullptr);
    EnumThreadWindows(GetCurrentThreadId(), FindPanel, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

int DemoRunner::Run(MainWindow& window, const hosting::ModuleLink& module, const hosting::MessageLoop& loop) {
    int exitCode = 0;
    loop.PumpFor(200);  // the workbench paints before the module comes in
    for (size_t i = 0; i < kDemoScriptLength; ++i) {
        const DemoStep& step = kDemoScript[i];
        std::string heading = "step " + std::to_string(i + 1) + ": " + DemoActionName(step.action);
        if (step.file) heading += std::string(" ") + step.file;
        if (step.text) heading += std::string(" \"") + step.text + "\"";
        if (step.action == DemoAction::Pump) heading += " " + std::to_string(step.milliseconds) + " ms";
        Note(heading + " - " + step.note);
        std::string error;
        switch (step.action) {
        case DemoAction::WriteRecord: WriteRecord(module); break;
        case DemoAction::LeftClick: window.LeftClickIcon(); break;
        case DemoAction::RightClick: window.RightClickIcon(); break;
        case DemoAction::Deactivate: window.DeactivateModule(); break;
        case DemoAction::Pump: loop.PumpFor(static_cast<DWORD>(step.milliseconds)); break;
        case DemoAction::Screenshot: {
            // Everything on screen paints before the picture is taken.
            RedrawWindow(window.Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            loop.PumpFor(50);
            RECT area;
            GetWindowRect(window.Window(), &area);
            if (!CaptureScreenArea(area, OutPath(step.file), &error)) {
                Note("error: " + error);
                exitCode = 3;
            }
            break;
        }
        case DemoAction::TypeInPanel:
        case DemoAction::PressKey:
        case DemoAction::ClickInPanel: {
            HWND target = step.control ? GetDlgItem(LatestPanel(window), step.control) : window.View();
            if (!target) {
                Note("error: no panel control " + std::to_string(step.control));
                exitCode = 3;
                break;
            }
            if (step.action == DemoAction::ClickInPanel) {
                SendMessageA(target, BM_CLICK, 0, 0);
                RECT panel;
                GetWindowRect(LatestPanel(window), &panel);
                Note("panel height: " + std::to_string(panel.bottom - panel.top));
                break;
            }
            SetFocus(target);
            if (step.action == DemoAction::TypeInPanel) {
                SendMessageA(target, EM_SETSEL, 0, -1);
                hosting::TypeKeys(loop, target, step.text);
                break;
            }
            hosting::PressKey(loop, target, static_cast<UINT>(step.key));
            Note("focus: control " + std::to_string(GetDlgCtrlID(GetFocus())));
            Note(std::string("host key: ") + (window.Keys().Last() ? window.Keys().Last() : "none"));
            break;
        }
        case DemoAction::RestPointer: {
            // The X pointer moves with it under Wine, so the panel hears of it as of a user's.
            HWND target = GetDlgItem(LatestPanel(window), step.control);
            RECT r{};
            if (!target || !GetWindowRect(target, &r) || !SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2)) {
                Note("error: the pointer cannot rest on panel control " + std::to_string(step.control));
                exitCode = 3;
            }
            break;
        }
        case DemoAction::WriteJournal:
            if (!WriteJournal(OutPath(step.file), &error)) {
                Note("error: " + error);
                exitCode = 3;
            } else {
                Note("journal lines: " + std::to_string(standinJournalCount()));
            }
            break;
        }
    }
    Note("host blocks outstanding: " + std::to_string(standinBlocksOutstanding()));
    Note(exitCode == 0 ? "result: ok" : "result: failed");
    return exitCode;
}

void CALLBACK DemoRunner::WatchMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &DemoRunner::DismissIfMessageBox, 0);
}

BOOL CALLBACK DemoRunner::DismissIfMessageBox(HWND window, LPARAM) {
    char className[16];
    if (!IsWindowVisible(window) || !GetClassNameA(window, className, sizeof className) ||
        std::strcmp(className, "#32770") != 0 || !GetDlgItem(window, kMessageTextId)) {
        return TRUE;  // not a message box (the module's panel is a dialog too, without that item)
    }
    char caption[128] = "", text[512] = "";
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, kMessageTextId, text, sizeof text);
    if (watching) watching->Note(std::string("dismissed message box: ") + caption + ": " + text);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

}  // namespace workbench
