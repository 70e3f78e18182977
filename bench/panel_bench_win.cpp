// The real module's panel timed under Wine against the same dialog template
// run by a bare dialog procedure, and what the panel keeps over long use:
// live GDI objects and host memory blocks. Both sides live in one process
// and their rounds are interleaved, so load from other work on the machine
// falls on both alike; each figure is the ratio of two medians.
//
//   panel_bench OUT.json [--quick | --trace]
//
// Writes the figures as JSON to OUT.json (scripts/bench merges them with the
// native figures) and a short account to stdout. Exits non-zero only when
// the benchmark itself could not run (no module, a round that did not do
// what it times); a missed target is a figure, not a failure.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "host/hosting/host_win.h"
#include "host/standin.h"
#include "res/resource.h"
#include "tests/wine/box_watch.h"
#include "tests/wine/drive.h"
#include "tests/wine/gdi_watch.h"

namespace {

using harness::Repaint;
using harness::SelectAll;
using harness::Text;
// Drained before every timed round: what is pending (paints, the view's
// invalidation by the host's refresh) is handled then, so no round pays for
// the one before it.
using harness::Drain;

struct Settings {
    int warmup = 300;   // rounds run and thrown away before the timed ones
    int rounds = 3000;  // keystroke and spin rounds
    int repaintWarmup = 50;
    int repaintRounds = 800;
    int openWarmup = 10;
    int openRounds = 200;  // every panel object outlives its window: keep this modest
    int frugalRepaints = 10000;
    int frugalClickRounds = 1000;
    int hostMessageWarmup = 5;
    int hostMessageRounds = 100;  // each opens a panel: keep this modest too
};

Settings QuickSettings() {
    Settings s;
    s.warmup = 20;
    s.rounds = 200;
    s.repaintWarmup = 10;
    s.repaintRounds = 100;
    s.openWarmup = 2;
    s.openRounds = 20;
    s.frugalRepaints = 200;
    s.frugalClickRounds = 20;
    s.hostMessageWarmup = 1;
    s.hostMessageRounds = 10;
    return s;
}

// Rounds whose effect was not seen (no apply, no panel): the figure of such
// a side would time something else than it claims.
int unverified = 0;

void Require(bool condition, const char* what) {
    if (condition) return;
    if (unverified < 10) std::fprintf(stderr, "panel_bench: round not verified: %s\n", what);
    ++unverified;
}

class Clock {
public:
    Clock() { QueryPerformanceFrequency(&frequency); }

    template <class Work>
    double Microseconds(Work&& work) const {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER frequency;
};

// The baseline: the panel's own template with nothing but the dialog
// manager's default processing behind it.
INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// The module loaded in the host library's host, whose default loop (the
// host's accelerators for every message, no IsDialogMessage for the
// module's windows) handles everything the rounds leave in the queue.
class HostedModule {
public:
    HostedModule() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        const std::string install = std::string(temp) + "ortolan-bench\\";
        CreateDirectoryA(install.c_str(), nullptr);
        harness::UseLoop(&host.Loop());
        if (!host.Load(ProgramFolder() + "ortolan.tsx", install)) return;
        module = host.Module().Handle();
        leftClick = host.Module().leftClick;
        deactivate = host.Module().deactivate;
        const LPCSTR dialogType = MAKEINTRESOURCEA(5);  // RT_DIALOG, spelt for the A call
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_TRANSFORM_PANEL), dialogType);
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
        Drain();
    }
    ~HostedModule() {
        host.Close();
        harness::UseLoop(nullptr);
    }
    HostedModule(const HostedModule&) = delete;
    HostedModule& operator=(const HostedModule&) = delete;

    bool Ready() const { return module && dialogTemplate && host.View(); }

    // Top-level windows the view owns: its panels and the bare dialogs.
    std::vector<HWND> Owned() const { return host.Owned(); }

    // An owned window that is not among `known`; null when there is none.
    HWND NewWindow(const std::vector<HWND>& known) const {
        for (HWND window : Owned())
            if (std::find(known.begin(), known.end(), window) == known.end()) return window;
        return nullptr;
    }

    HWND CreateBare() const {
        return CreateDialogIndirectParamA(module, dialogTemplate, host.View(), BareDialogProc, 0);
    }

    hosting::Host host;
    HMODULE module = nullptr;
    decltype(&tsxOnLeftClick) leftClick = nullptr;
    decltype(&tsxDeactivate) deactivate = nullptr;
    const DLGTEMPLATE* dialogTemplate = nullptr;
};

// What one request to the Wine server costs in this run: GetProp is one.
// Under Wine most of a round's time goes to such requests (window
// properties, children, regions), so the differences between the sides
// read best in these units.
double roundTripMicroseconds = NAN;

// A key pressed and released as the system queues it, posted to `edit`,
// and what follows handled by the host's loop: the key messages, the
// character their translation posts and what those send. The repaints they
// leave (the host's views after a refresh among them) are the next Drain's.
void PostedKeystroke(const hosting::MessageLoop& loop, HWND edit, UINT key) {
    hosting::PostKey(edit, WM_KEYDOWN, key);
    hosting::PostKey(edit, WM_KEYUP, key);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE))
        loop.Handle(msg);
}

// Typed keystroke and spin step, interleaved with the same keystroke into
// the bare dialog's edit and with the round-trip probe; and a keystroke as
// it arrives in a host, posted and taken by the host's loop, on both sides.
void TimeEditing(const hosting::MessageLoop& loop, HWND panel, HWND bare, const Settings& settings,
                 std::vector<bench::Comparison>& results) {
    const Clock clock;
    HWND panelEdit = GetDlgItem(panel, IDC_LOCATION_X);
    HWND bareEdit = GetDlgItem(bare, IDC_LOCATION_X);
    std::vector<double> keystroke, spin, bareKeystroke, roundTrip, looped, bareLooped;
    constexpr int kSides = 6;
    for (int round = 0; round < settings.warmup + settings.rounds; ++round) {
        const bool timed = round >= settings.warmup;
        const WPARAM digit = static_cast<WPARAM>('1' + round % 9);
        for (int place = 0; place < kSides; ++place) {
            standinJournalClear();
            Drain();
            const int side = bench::SideAt(round, place, kSides);
            const int changed = standinChangedCount();
            const std::string before = Text(panelEdit);
            if (side == 0 || side == 2 || side == 4 || side == 5) {
                SelectAll(side == 0 || side == 4 ? panelEdit : bareEdit);
                Drain();
            }
            double t = 0.0;
            switch (side) {
            case 0:
                t = clock.Microseconds([&] { SendMessageA(panelEdit, WM_CHAR, digit, 1); });
                Require(standinChangedCount() == changed + 1, "keystroke applied once");
                if (timed) keystroke.push_back(t);
                break;
            case 1:
                t = clock.Microseconds([&] { SendMessageA(panelEdit, WM_KEYDOWN, VK_UP, 1); });
                // Released at once, before the up-down control's auto-repeat fires.
                SendMessageA(panelEdit, WM_KEYUP, VK_UP, 0xC0000001);
                Require(standinChangedCount() == changed + 1 && Text(panelEdit) != before,
                        "spin step rewrote the field and applied once");
                if (timed) spin.push_back(t);
                break;
            case 2:
                t = clock.Microseconds([&] { SendMessageA(bareEdit, WM_CHAR, digit, 1); });
                Require(Text(bareEdit) == std::string(1, static_cast<char>(digit)),
                        "bare keystroke typed");
                if (timed) bareKeystroke.push_back(t);
                break;
            case 3: {
                HANDLE found = nullptr;
                t = clock.Microseconds([&] { found = GetPropA(bareEdit, "OrtolanBenchProbe"); });
                Require(found == nullptr, "probe property absent");
                if (timed) roundTrip.push_back(t);
                break;
            }
            case 4:
                t = clock.Microseconds(
                    [&] { PostedKeystroke(loop, panelEdit, static_cast<UINT>(digit)); });
                Require(standinChangedCount() == changed + 1 &&
                            Text(panelEdit) == std::string(1, static_cast<char>(digit)) &&
                            GetActiveWindow() == panel,
                        "posted keystroke typed into the active panel and applied once");
                if (timed) looped.push_back(t);
                break;
            case 5:
                // A letter: a digit is one of the host's own keys, which its
                // loop takes from any window that does not claim its keys.
                t = clock.Microseconds([&] { PostedKeystroke(loop, bareEdit, 'A'); });
                Require(Text(bareEdit) == "a", "posted bare keystroke typed");
                if (timed) bareLooped.push_back(t);
                break;
            }
        }
    }
    roundTripMicroseconds = bench::Median(roundTrip);
    results.push_back(bench::Compare(
        "keystroke apply", "WM_CHAR into location X until the host's tsxSceneSetChanged returned",
        "the same WM_CHAR into the edit of a bare dialog of the same template", keystroke,
        bareKeystroke, 1.5));
    results.push_back(bench::Compare(
        "keystroke through the host loop",
        "a digit's WM_KEYDOWN and WM_KEYUP posted to location X and handled by the host's "
        "default loop until no posted or sent message is left, the apply included",
        "a letter posted to the bare dialog's edit and handled by the same loop", looped,
        bareLooped, 1.6));
    results.push_back(bench::Compare("spin step", "VK_UP in location X: step, rewrite, apply",
                                     "the keystroke apply above, timed in the same rounds", spin,
                                     keystroke, 1.3));
}

// A step of a drag on a spin's arrows against the spin step above: the
// pointer two pixels further over the pressed up arrow of location Y (up and
// down in turn) and the up-down control's WM_MOUSEMOVE, until the row's
// apply returns; against VK_UP in location X, in the same rounds.
void TimeDragging(HWND panel, const Settings& settings, std::vector<bench::Comparison>& results) {
    const Clock clock;
    HWND spin = GetDlgItem(panel, IDC_LOCATION_Y_SPIN);
    HWND dragged = GetDlgItem(panel, IDC_LOCATION_Y);
    HWND stepped = GetDlgItem(panel, IDC_LOCATION_X);
    RECT r{};
    GetWindowRect(spin, &r);
    const POINT arrow{(r.left + r.right) / 2, r.top + 3};
    const auto pointerAt = [&](int y) {
        SetCursorPos(arrow.x, y);
        POINT client{arrow.x, y};
        ScreenToClient(spin, &client);
        return MAKELPARAM(client.x, client.y);
    };
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, pointerAt(arrow.y));
    SendMessageA(spin, WM_MOUSEMOVE, MK_LBUTTON, pointerAt(arrow.y - 10));  // the drag begins
    std::vector<double> drag, spinStep;
    for (int round = 0; round < settings.warmup + settings.rounds; ++round) {
        const bool timed = round >= settings.warmup;
        for (int place = 0; place < 2; ++place) {
            Drain();
            const int changed = standinChangedCount();
            if (bench::SideAt(round, place, 2) == 0) {
                const std::string before = Text(dragged);
                const LPARAM at = pointerAt(arrow.y - 10 - (round % 2 == 0 ? 2 : 0));
                const double t =
                    clock.Microseconds([&] { SendMessageA(spin, WM_MOUSEMOVE, MK_LBUTTON, at); });
                Require(standinChangedCount() == changed + 1 && Text(dragged) != before,
                        "drag step rewrote the field and applied once");
                if (timed) drag.push_back(t);
            } else {
                const double t =
                    clock.Microseconds([&] { SendMessageA(stepped, WM_KEYDOWN, VK_UP, 1); });
                SendMessageA(stepped, WM_KEYUP, VK_UP, 0xC0000001);
                Require(standinChangedCount() == changed + 1, "spin step applied once");
                if (timed) spinStep.push_back(t);
            }
        }
    }
    SendMessageA(spin, WM_LBUTTONUP, 0, pointerAt(arrow.y));
    Require(GetCapture() == nullptr, "drag ended");
    results.push_back(bench::Compare(
        "drag step", "the pointer 2 pixels on over a spin's pressed arrow: step, rewrite, apply",
        "VK_UP in location X (the spin step), timed in the same rounds", drag, spinStep, 1.3));
}

void TimeRepaint(HWND panel, HWND bare, const Settings& settings,
                 std::vector<bench::Comparison>& results) {
    const Clock clock;
    std::vector<double> subject, baseline;
    for (int round = 0; round < settings.repaintWarmup + settings.repaintRounds; ++round) {
        const bool timed = round >= settings.repaintWarmup;
        for (int place = 0; place < 2; ++place) {
            Drain();
            GdiFlush();
            const bool isPanel = bench::SideAt(round, place, 2) == 0;
            const double t = clock.Microseconds([&] { Repaint(isPanel ? panel : bare); });
            if (timed) (isPanel ? subject : baseline).push_back(t);
        }
    }
    results.push_back(bench::Compare(
        "full repaint", "RedrawWindow of the open panel with all its children",
        "the same template shown by a bare dialog procedure", subject, baseline, 1.5));
}

// From the click on the host's icon until the panel is on the screen with
// its fields filled: the left click of a new activation, then the window's
// first paint with all its children. The baseline creates the template with
// a bare dialog procedure and paints it the same way.
void TimeOpening(const HostedModule& host, const Settings& settings,
                 std::vector<bench::Comparison>& results) {
    const Clock clock;
    std::vector<double> subject, baseline;
    for (int round = 0; round < settings.openWarmup + settings.openRounds; ++round) {
        const bool timed = round >= settings.openWarmup;
        for (int place = 0; place < 2; ++place) {
            const std::vector<HWND> known = host.Owned();
            Drain();
            HWND opened = nullptr;
            const bool isPanel = bench::SideAt(round, place, 2) == 0;
            const double t = clock.Microseconds([&] {
                if (isPanel)
                    host.leftClick();
                else
                    host.CreateBare();
                opened = host.NewWindow(known);
                RedrawWindow(opened, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            });
            if (isPanel) {
                Require(opened && IsWindowVisible(opened) &&
                            Text(GetDlgItem(opened, IDC_SIZE_X)) == "2",
                        "panel opened and filled");
                host.deactivate();
            } else {
                Require(opened != nullptr, "bare dialog created");
            }
            if (opened) DestroyWindow(opened);
            Drain();
            if (timed) (isPanel ? subject : baseline).push_back(t);
        }
    }
    results.push_back(bench::Compare(
        "opening", "first left click of an activation until the panel is painted and filled",
        "the template created by a bare dialog procedure and painted", subject, baseline, 1.3));
}

// The host's own work while the user is in its main view: messages posted
// to the view and handled by the host's default loop, with a panel of the
// module's open but not active, against the same with no panel at all. What
// the module keeps in the host's thread is paid on every one of them.
void TimeHostMessages(const HostedModule& host, const Settings& settings,
                      std::vector<bench::Comparison>& results) {
    constexpr int kMessages = 400;
    const Clock clock;
    HWND view = host.host.View();
    std::vector<double> subject, baseline;
    for (int round = 0; round < settings.hostMessageWarmup + settings.hostMessageRounds; ++round) {
        const bool timed = round >= settings.hostMessageWarmup;
        for (int place = 0; place < 2; ++place) {
            const bool withPanel = bench::SideAt(round, place, 2) == 0;
            HWND panel = nullptr;
            if (withPanel) {
                const std::vector<HWND> known = host.Owned();
                host.leftClick();
                panel = host.NewWindow(known);
                Require(panel != nullptr, "panel opened");
            }
            SetActiveWindow(view);
            Drain();
            Require(GetActiveWindow() == view && host.Owned().empty() == !withPanel,
                    "the view active, a panel open on one side only");
            for (int i = 0; i < kMessages; ++i) PostMessageA(view, WM_APP, 0, 0);
            const double t = clock.Microseconds([&] { Drain(); });
            if (withPanel) {
                host.deactivate();
                DestroyWindow(panel);
                Drain();
            }
            if (timed) (withPanel ? subject : baseline).push_back(t);
        }
    }
    results.push_back(bench::Compare(
        "host messages with an inactive panel",
        "400 messages posted to the host's main view and handled by its default loop, with a "
        "panel open and the main view active",
        "the same with no panel", subject, baseline, 1.1));
}

struct Frugality {
    int repaints = 0;
    int clickRounds = 0;
    int controls = 0;
    bool watching = false;
    size_t gdiAfter = 0;  // the watch starts from none
    size_t gdiCreated = 0;
    int blocksBefore = 0;
    int blocksAfter = 0;
};

bool IsUpDown(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, UPDOWN_CLASSA) == 0;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(window);
    return TRUE;
}

// A left click in the control's client area with real mouse messages, the
// pressed face painted between press and release. Up-down controls are
// pressed on the upper and the lower arrow in turn, so their values stay put.
void Click(HWND control, int round) {
    RECT r{};
    GetClientRect(control, &r);
    const int x = r.right / 2;
    const int y = IsUpDown(control) ? (round % 2 ? r.bottom * 3 / 4 : r.bottom / 4) : r.bottom / 2;
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Repaint(control);
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Repaint(control);
}

Frugality CountWhatIsKept(const HostedModule& host, HWND panel, const Settings& settings) {
    Frugality f;
    f.repaints = settings.frugalRepaints;
    f.clickRounds = settings.frugalClickRounds;
    f.watching = gdi_watch::Watch(host.module);
    std::vector<HWND> controls;
    EnumChildWindows(panel, CollectChild, reinterpret_cast<LPARAM>(&controls));
    f.controls = static_cast<int>(controls.size());

    // One round of everything first: what is made once and kept (a cached
    // bitmap, say) is no growth.
    Repaint(panel);
    for (HWND control : controls) Click(control, 0);
    ShowWindow(panel, SW_SHOW);
    Drain();
    standinJournalClear();
    gdi_watch::Reset();
    f.blocksBefore = standinBlocksOutstanding();

    for (int i = 0; i < settings.frugalRepaints; ++i) {
        Repaint(panel);
        if (i % 64 == 0) Drain();
    }
    for (int round = 0; round < settings.frugalClickRounds; ++round) {
        for (HWND control : controls) {
            Click(control, round);
            if (GetDlgCtrlID(control) == IDC_HIDE) ShowWindow(panel, SW_SHOW);
        }
        Drain();
        standinJournalClear();
    }
    ShowWindow(panel, SW_SHOW);
    Repaint(panel);
    Drain();
    f.gdiAfter = gdi_watch::Live();
    f.gdiCreated = gdi_watch::Created();
    f.blocksAfter = standinBlocksOutstanding();
    return f;
}

std::string FrugalityJson(const Frugality& f) {
    std::string json = "{\"repaints\": " + std::to_string(f.repaints);
    json += ", \"click_rounds\": " + std::to_string(f.clickRounds);
    json += ", \"controls_clicked\": " + std::to_string(f.controls);
    json += std::string(", \"gdi_watch_active\": ") + (f.watching ? "true" : "false");
    json += ", \"gdi_growth\": " + std::to_string(f.gdiAfter);
    json += ", \"gdi_created_during_run\": " + std::to_string(f.gdiCreated);
    json += ", \"host_blocks_before\": " + std::to_string(f.blocksBefore);
    json += ", \"host_blocks_after\": " + std::to_string(f.blocksAfter);
    json += ", \"host_block_growth\": " + std::to_string(f.blocksAfter - f.blocksBefore);
    return json + "}";
}

bool WriteReport(const char* path, const std::vector<bench::Comparison>& results,
                 const Frugality& f, const std::string& moduleRun) {
    std::string json = "{\n  \"comparisons\": [\n";
    for (size_t i = 0; i < results.size(); ++i)
        json += "    " + bench::ToJson(results[i], "us") + (i + 1 < results.size() ? ",\n" : "\n");
    json += "  ],\n  \"frugality\": " + FrugalityJson(f) + ",\n";
    json += "  \"module_run\": " + bench::JsonString(moduleRun) + ",\n";
    json += "  \"round_trip_us\": " + bench::JsonNumber(roundTripMicroseconds) + ",\n";
    json += "  \"unverified_rounds\": " + std::to_string(unverified) + ",\n";
    json +=
        "  \"message_boxes\": " + std::to_string(harness::TakeDismissedBoxes().size()) + "\n}\n";
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    const bool written = std::fwrite(json.data(), 1, json.size(), out) == json.size();
    return std::fclose(out) == 0 && written;
}

// One round of each kind between markers that Wine's debug channels show,
// for counting what a round costs in server requests and messages:
//   WINEDEBUG=+debugstr,+server wine panel_bench.exe - --trace
void TraceRounds(const HostedModule& host, HWND panel, HWND bare) {
    HWND panelEdit = GetDlgItem(panel, IDC_LOCATION_X);
    HWND bareEdit = GetDlgItem(bare, IDC_LOCATION_X);
    host.deactivate();
    for (int i = 0; i < 3; ++i) {
        const std::vector<HWND> known = host.Owned();
        Drain();
        OutputDebugStringA("ortolan-trace: opening begins");
        host.leftClick();
        HWND opened = host.NewWindow(known);
        RedrawWindow(opened, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        OutputDebugStringA("ortolan-trace: opening ends");
        host.deactivate();
        DestroyWindow(opened);
        Drain();
        OutputDebugStringA("ortolan-trace: bare opening begins");
        opened = host.CreateBare();
        RedrawWindow(opened, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        OutputDebugStringA("ortolan-trace: bare opening ends");
        DestroyWindow(opened);
        Drain();
    }
    host.leftClick();
    for (int i = 0; i < 3; ++i) {
        SelectAll(bareEdit);
        Drain();
        OutputDebugStringA("ortolan-trace: bare keystroke begins");
        SendMessageA(bareEdit, WM_CHAR, '5', 1);
        OutputDebugStringA("ortolan-trace: bare keystroke ends");
        SelectAll(panelEdit);
        Drain();
        OutputDebugStringA("ortolan-trace: keystroke begins");
        SendMessageA(panelEdit, WM_CHAR, '5', 1);
        OutputDebugStringA("ortolan-trace: keystroke ends");
        SelectAll(panelEdit);
        Drain();
        OutputDebugStringA("ortolan-trace: looped keystroke begins");
        PostedKeystroke(host.host.Loop(), panelEdit, '5');
        OutputDebugStringA("ortolan-trace: looped keystroke ends");
        SelectAll(bareEdit);
        Drain();
        OutputDebugStringA("ortolan-trace: bare looped keystroke begins");
        PostedKeystroke(host.host.Loop(), bareEdit, 'A');
        OutputDebugStringA("ortolan-trace: bare looped keystroke ends");
        Drain();
        OutputDebugStringA("ortolan-trace: spin begins");
        SendMessageA(panelEdit, WM_KEYDOWN, VK_UP, 1);
        OutputDebugStringA("ortolan-trace: spin ends");
        SendMessageA(panelEdit, WM_KEYUP, VK_UP, 0xC0000001);
        Drain();
        OutputDebugStringA("ortolan-trace: repaint begins");
        Repaint(panel);
        OutputDebugStringA("ortolan-trace: repaint ends");
        Drain();
        OutputDebugStringA("ortolan-trace: bare repaint begins");
        Repaint(bare);
        OutputDebugStringA("ortolan-trace: bare repaint ends");
        Drain();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: panel_bench OUT.json [--quick | --trace]\n");
        return 2;
    }
    const Settings settings =
        argc > 2 && std::strcmp(argv[2], "--quick") == 0 ? QuickSettings() : Settings();
    // Nobody answers a message box in a virtual display; one would stop the
    // benchmark for good. They are dismissed and counted.
    harness::StartBoxWatcher();
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

    HostedModule host;
    if (!host.Ready()) {
        std::fprintf(stderr, "panel_bench: ortolan.tsx, its entry points or its template "
                             "2003 are missing\n");
        return 1;
    }
    char modulePath[MAX_PATH] = {};
    GetModuleFileNameA(host.module, modulePath, MAX_PATH);

    std::vector<bench::Comparison> results;
    if (argc <= 2 || std::strcmp(argv[2], "--trace") != 0) {
        std::printf("panel_bench: host messages\n");
        std::fflush(stdout);
        TimeHostMessages(host, settings, results);
    }

    host.leftClick();
    Drain();
    HWND panel = host.NewWindow({});
    HWND bare = host.CreateBare();
    if (!panel || !bare) {
        std::fprintf(stderr, "panel_bench: the panel or the bare dialog did not open\n");
        return 1;
    }
    // Side by side, apart from each other and from the view: a window that
    // covers part of another would spare that one some of its painting.
    RECT r{};
    GetWindowRect(panel, &r);
    SetWindowPos(panel, HWND_TOP, 860, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(bare, HWND_TOP, 860, 60 + (r.bottom - r.top), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    Drain();

    if (argc > 2 && std::strcmp(argv[2], "--trace") == 0) {
        TraceRounds(host, panel, bare);
        return 0;
    }

    std::printf("panel_bench: keystrokes and spin steps\n");
    std::fflush(stdout);
    // Keys reach a panel only while it is the active window, as the user's do.
    SetActiveWindow(panel);
    TimeEditing(host.host.Loop(), panel, bare, settings, results);
    TimeDragging(panel, settings, results);
    std::printf("panel_bench: repaints\n");
    std::fflush(stdout);
    TimeRepaint(panel, bare, settings, results);

    std::printf("panel_bench: opening\n");
    std::fflush(stdout);
    ShowWindow(panel, SW_HIDE);
    ShowWindow(bare, SW_HIDE);
    Drain();
    host.deactivate();
    TimeOpening(host, settings, results);
    ShowWindow(panel, SW_SHOWNOACTIVATE);
    Drain();

    std::printf("panel_bench: frugality\n");
    std::fflush(stdout);
    const Frugality frugality = CountWhatIsKept(host, panel, settings);

    for (const bench::Comparison& c : results)
        std::printf("  %-16s %9.1f us  %9.1f us  ratio %5.2f  target %.1f  %s\n", c.name.c_str(),
                    c.subject.median, c.baseline.median, c.Ratio(), c.target,
                    c.Met() ? "met" : "MISSED");
    std::printf("  one server round trip (GetProp): %.1f us\n", roundTripMicroseconds);
    std::printf("  GDI objects: %zu live after %d repaints and %d rounds of clicks on %d "
                "controls (%zu made)\n",
                frugality.gdiAfter, frugality.repaints, frugality.clickRounds, frugality.controls,
                frugality.gdiCreated);
    std::printf("  host blocks outstanding: %d before, %d after\n", frugality.blocksBefore,
                frugality.blocksAfter);
    if (!WriteReport(argv[1], results, frugality, modulePath)) {
        std::fprintf(stderr, "panel_bench: could not write %s\n", argv[1]);
        return 1;
    }
    return unverified == 0 ? 0 : 1;
}
