// The module in a hostile environment: a log file that cannot be opened,
// profile values of the wrong type or an absurd size, a host whose getters
// give NaN, infinities and huge numbers, and hundreds of activations and
// hide/show cycles, a C runtime switched to a decimal comma by someone else
// in the process. In every case the panel opens, keeps working, and never
// hands the host a value that is not a finite float.
#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "harness.h"
#include "res/resource.h"
#include "sent_values.h"

using namespace harness;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

const int kValueFields[] = {IDC_LOCATION_X, IDC_LOCATION_Y, IDC_LOCATION_Z,
                            IDC_ROTATION_X, IDC_ROTATION_Y, IDC_ROTATION_Z,
                            IDC_SIZE_X,     IDC_SIZE_Y,     IDC_SIZE_Z};

// Typing into location X of `panel` moves the selected object: the panel
// still works.
void CheckAnEditReachesTheHost(HWND panel, const std::string& where) {
    TakeDismissedBoxes();
    standinJournalClear();
    Replace(GetDlgItem(panel, IDC_LOCATION_X), "4.25");
    CHECK_EQ(where + ": 1",
             where + ": " + std::to_string(JournalCalls("tsxGNodeSetLocation(#1, {4.25,").size()));
    CHECK_EQ(where + ": 4.25", where + ": " + ToText(Cube().location.x));
    CHECK_EQ(std::vector<std::string>(), TakeDismissedBoxes());
}

bool IsOnScreen(HWND window) {
    RECT r{}, screen{};
    GetWindowRect(window, &r);
    screen = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
              GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
              GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return IsWindowVisible(window) && r.left >= screen.left && r.top >= screen.top &&
           r.right <= screen.right && r.bottom <= screen.bottom;
}

// ---------------------------------------------------------------------------
// Log files that cannot be opened.

struct LogFault {
    const char* what;
    // Makes the fault in a fresh folder; gives the directory text the host
    // is to report.
    std::function<std::string(const std::string& folder)> make;
    // Shows that opening really failed: what is there afterwards.
    std::function<bool(const std::string& folder)> untouched;
    // Removes the fault, so that a later activation can open the log.
    std::function<void(const std::string& folder)> clear;
};

const std::string kLog = "rodadav.log";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HANDLE lockedLog = INVALID_HANDLE_VALUE;

// Empties a folder of everything in it, folders too: a later run (Wine
// hands out the same process ids again) must find it fresh.
void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolder(path + "\\");
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<LogFault> LogFaults() {
    return {
        {"a missing folder", [](const std::string& f) { return f + "no\\such\\folder\\"; },
         [](const std::string& f) { return !FileExists(f + "no"); },
         [](const std::string& f) {
             CreateDirectoryA((f + "no").c_str(), nullptr);
             CreateDirectoryA((f + "no\\such").c_str(), nullptr);
             CreateDirectoryA((f + "no\\such\\folder").c_str(), nullptr);
         }},
        {"a file where the folder should be",
         [](const std::string& f) {
             WriteFile(f + "install", "a file");
             return f + "install\\";
         },
         [](const std::string& f) { return ReadFile(f + "install") == "a file"; },
         [](const std::string& f) {
             DeleteFileA((f + "install").c_str());
             CreateDirectoryA((f + "install").c_str(), nullptr);
         }},
        {"a folder in the log file's place",
         [](const std::string& f) {
             CreateDirectoryA((f + kLog).c_str(), nullptr);
             return f;
         },
         [](const std::string& f) { return IsFolder(f + kLog); },
         [](const std::string& f) { RemoveDirectoryA((f + kLog).c_str()); }},
        {"a log file locked by another program",
         [](const std::string& f) {
             WriteFile(f + kLog, "kept");
             lockedLog = CreateFileA((f + kLog).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                     nullptr);
             return f;
         },
         [](const std::string& f) {
             WIN32_FILE_ATTRIBUTE_DATA data{};
             GetFileAttributesExA((f + kLog).c_str(), GetFileExInfoStandard, &data);
             return lockedLog != INVALID_HANDLE_VALUE && data.nFileSizeLow == 4;  // not emptied
         },
         [](const std::string&) {
             CloseHandle(lockedLog);
             lockedLog = INVALID_HANDLE_VALUE;
         }},
        {"a directory text of 5,000 characters",
         [](const std::string& f) { return f + std::string(4990, 'd') + "\\"; },
         [](const std::string& f) {
             WIN32_FIND_DATAA found;
             HANDLE search = FindFirstFileA((f + "*").c_str(), &found);
             int entries = 0;
             if (search != INVALID_HANDLE_VALUE) {
                 do ++entries;  // "." and ".." only
                 while (FindNextFileA(search, &found));
                 FindClose(search);
             }
             return entries == 2;
         },
         nullptr},
    };
}

}  // namespace

WINE_TEST(AnUnopenableLogLeavesThePanelWorking) {
    int number = 0;
    for (const LogFault& fault : LogFaults()) {
        ModuleFixture f;
        const std::string folder = FreshFolder(("log-fault-" + std::to_string(++number)).c_str());
        EmptyFolder(folder);
        const std::string dir = fault.make(folder);
        standinSetTSDir(dir.c_str());
        f.leftClick();
        Pump();
        CHECK_EQ(
            std::string(fault.what) + ": untouched",
            std::string(fault.what) + ": " + (fault.untouched(folder) ? "untouched" : "changed"));
        const HWND panel = f.Panel();
        CHECK(IsWindowVisible(panel));
        CheckAnEditReachesTheHost(panel, fault.what);
        f.deactivate();  // flushes nothing: there is no log
        if (!fault.clear) continue;

        // The stream never opened, so the next activation tries again.
        fault.clear(folder);
        f.leftClick();
        Pump();
        CHECK_EQ(std::string(fault.what) + ": an empty log",
                 std::string(fault.what) + ": " +
                     (FileExists(dir + kLog) && ReadFile(dir + kLog).empty() ? "an empty log"
                                                                             : "no log"));
        const std::vector<HWND> panels = f.Panels();
        CHECK_EQ(2u, panels.size());
        for (HWND each : panels) CheckAnEditReachesTheHost(each, fault.what);
        f.deactivate();
    }
}

// ---------------------------------------------------------------------------
// Profile values of the wrong type or an absurd size.

namespace {

const char* const kProfileKey = "Software\\Kestrelworks\\ortolan\\MainPanel";

struct ProfileFault {
    const char* what;
    DWORD type;
    std::string data;  // PanelX and PanelY both get it
};

std::string Bytes(std::initializer_list<int> bytes) {
    std::string data;
    for (int b : bytes) data += static_cast<char>(b);
    return data;
}

std::vector<ProfileFault> ProfileFaults() {
    return {
        {"a number as text", REG_SZ, std::string("12", 3)},
        {"a long text", REG_SZ, std::string(100000, '7') + '\0'},
        {"an expandable text", REG_EXPAND_SZ, std::string("%TEMP%", 7)},
        {"a text list", REG_MULTI_SZ,
         std::string("1\0"
                     "2\0",
                     5)},
        {"four binary bytes", REG_BINARY, Bytes({0x10, 0, 0, 0})},
        {"256 KiB of binary", REG_BINARY, std::string(256 * 1024, '\xFF')},
        {"a 64-bit number", REG_QWORD, Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
        {"a big-endian number", REG_DWORD_BIG_ENDIAN, Bytes({0, 0, 0, 0x10})},
        {"no type, no data", REG_NONE, ""},
        {"a 32-bit number without data", REG_DWORD, ""},
        {"a 32-bit number of two bytes", REG_DWORD, Bytes({0x34, 0x12})},
        {"a 32-bit number of 64 KiB", REG_DWORD, std::string(64 * 1024, '\x7F')},
        {"the largest int", REG_DWORD, Bytes({0xFF, 0xFF, 0xFF, 0x7F})},
        {"the smallest int", REG_DWORD, Bytes({0, 0, 0, 0x80})},
        {"minus one", REG_DWORD, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
    };
}

bool WriteRawProfile(const char* entry, DWORD type, const std::string& data) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG set = RegSetValueExA(key, entry, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                    static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

// The panel of `f` opened as it opens without any profile: centred over the
// main view, on screen, with the default steps, and working.
void CheckSanePanel(ModuleFixture& f, const std::string& where) {
    const HWND panel = f.Panel();
    CHECK(IsOnScreen(panel));
    RECT viewClient{}, viewWindow{}, panelClient{}, r{};
    GetClientRect(f.view, &viewClient);
    GetWindowRect(f.view, &viewWindow);
    GetClientRect(panel, &panelClient);
    GetWindowRect(panel, &r);
    CHECK_EQ(where + ": " +
                 std::to_string(viewClient.right / 2 + viewWindow.left - panelClient.right / 2),
             where + ": " + std::to_string(r.left));
    CHECK_EQ(viewClient.bottom / 2 + viewWindow.top - panelClient.bottom / 2, r.top);
    CHECK_EQ(where + ": 0.100 1.00 0.100", where + ": " +
                                               Text(GetDlgItem(panel, IDC_LOCATION_STEP)) + " " +
                                               Text(GetDlgItem(panel, IDC_ROTATION_STEP)) + " " +
                                               Text(GetDlgItem(panel, IDC_SIZE_STEP)));
    Key(GetDlgItem(panel, IDC_LOCATION_Y), VK_UP);
    CHECK_EQ(where + ": 0.100", where + ": " + Text(GetDlgItem(panel, IDC_LOCATION_Y)));
    CheckAnEditReachesTheHost(panel, where);
}

}  // namespace

WINE_TEST(ProfileValuesOfTheWrongTypeOrSizeGiveADefaultPanel) {
    for (const ProfileFault& fault : ProfileFaults()) {
        ModuleFixture f;
        REQUIRE(WriteRawProfile("PanelX", fault.type, fault.data));
        REQUIRE(WriteRawProfile("PanelY", fault.type, fault.data));
        f.leftClick();
        Pump();
        CheckSanePanel(f, fault.what);
    }
}

WINE_TEST(AProfileOfTheWrongShapeGivesADefaultPanel) {
    {
        ModuleFixture f;  // keys where the values should be
        HKEY key;
        REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\PanelX").c_str(),
                                0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS);
        RegCloseKey(key);
        f.leftClick();
        Pump();
        CheckSanePanel(f, "a key named PanelX");
    }
    {
        ModuleFixture f;  // a value where the section's key should be
        HKEY key;
        REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kestrelworks\\ortolan", 0, nullptr, 0,
                                KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS);
        const DWORD value = 5;
        RegSetValueExA(key, "MainPanel", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
        RegCloseKey(key);
        f.leftClick();
        Pump();
        CheckSanePanel(f, "a value named MainPanel");
    }
}

// ---------------------------------------------------------------------------
// A host whose getters give NaN, infinities and huge numbers.

namespace {

struct HostValues {
    const char* what;
    Vector3 location, rotation, size;
};

// Opens the panel on an object with these values and works every command
// that sends the host a value, each time with the host's values read back
// into the fields first; then repairs the object by typing.
void CheckHostValues(const HostValues& values) {
    ModuleFixture f;
    HWND panel = nullptr;
    auto hostile = [&] {
        StandinObject cube = Cube();
        cube.location = values.location;
        cube.rotation = values.rotation;
        cube.size = values.size;
        cube.axesPosition = values.location;
        standinSetObject(standinObjectAt(0), &cube);
        if (panel) Command(panel, IDC_GET_OBJECT);
    };
    hostile();
    f.leftClick();
    Pump();
    panel = f.Panel();
    const std::string what = values.what;
    for (int id : kValueFields)
        CHECK_EQ(what + ": shown", what + (Text(GetDlgItem(panel, id)).empty() ? "" : ": shown"));

    // Spin steps both ways in every field, with and without the axis box.
    for (int axis = 0; axis < 2; ++axis) {
        for (int id : kValueFields) {
            for (int key : {VK_UP, VK_DOWN}) {
                hostile();
                Key(GetDlgItem(panel, id), key);
            }
        }
        SendMessageA(GetDlgItem(panel, IDC_AXIS_MODE), BM_CLICK, 0, 0);
    }
    // Every other command that hands the host a value: the read buttons, the
    // anchors, the axes toggles, units, coordinates, the point readout.
    std::vector<int> commands = {IDC_READ_LOCATION, IDC_READ_ROTATION, IDC_READ_SIZE};
    for (int anchor = IDC_ANCHOR_FIRST; anchor <= IDC_ANCHOR_LAST; ++anchor)
        commands.push_back(anchor);
    commands.insert(commands.end(),
                    {IDC_SHOW_AXES, IDC_HIDE_AXES, IDC_UNIT, IDC_COORDS, IDC_POINT_AXES});
    for (int id : commands) {
        hostile();
        Command(panel, id);
    }
    CHECK_EQ(std::vector<std::string>(), LinesSendingNonFinite());

    // Typing numbers into all nine fields repairs the object.
    hostile();
    for (int id : kValueFields) Replace(GetDlgItem(panel, id), "1");
    CHECK_EQ(std::vector<std::string>(), LinesSendingNonFinite());
    const StandinObject repaired = Cube();
    CHECK_EQ(what + ": 1 1 1", what + ": " + ToText(repaired.location.x) + " " +
                                   ToText(repaired.rotation.y) + " " + ToText(repaired.size.z));
    TakeDismissedBoxes();
    CheckAnEditReachesTheHost(panel, what);
}

}  // namespace

WINE_TEST(HostGivesNaN) {
    CheckHostValues({"NaN", {kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}});
}

WINE_TEST(HostGivesInfinities) {
    CheckHostValues({"infinities", {kInf, -kInf, kInf}, {-kInf, kInf, -kInf}, {kInf, kInf, -kInf}});
}

WINE_TEST(HostGivesTheLargestFloats) {
    CheckHostValues({"FLT_MAX",
                     {FLT_MAX, -FLT_MAX, FLT_MAX},
                     {-FLT_MAX, FLT_MAX, -FLT_MAX},
                     {FLT_MAX, FLT_MAX, -FLT_MAX}});
}

WINE_TEST(HostGivesHugeNumbers) {
    CheckHostValues(
        {"1e30", {1e30f, -1e30f, 1e30f}, {-1e30f, 1e30f, 1e30f}, {1e30f, 1e30f, -1e30f}});
}

WINE_TEST(HostGivesAMixture) {
    CheckHostValues(
        {"a mixture", {kNaN, 1e30f, 0.0f}, {0.0f, -kInf, 45.0f}, {2.0f, kNaN, FLT_MAX}});
}

WINE_TEST(HostGivesABoxWhoseCentreIsNoFloat) {
    // Finite values whose box centre (half the size plus the box's minimum)
    // lies beyond the largest float.
    CheckHostValues({"a centre past FLT_MAX",
                     {-2e38f, 0.0f, 0.0f},
                     {0.0f, 0.0f, 0.0f},
                     {-2.8e38f, 2.0f, 2.0f}});
}

// ---------------------------------------------------------------------------
// Many activations, and many hide/show cycles.

namespace {

// The point readout is the command that takes blocks of host memory: a
// vertex scratch block, and with selected faces a face list.
void PrepareThePointReadout() { SetPointSelection({1.0f, 3.0f, 5.0f}, {0.0f, 0.0f, 0.0f}); }

}  // namespace

WINE_TEST(TwoHundredActivationsEachOpenOneWorkingPanel) {
    ModuleFixture f;
    PrepareThePointReadout();
    f.leftClick();
    const HWND first = f.Panel();
    f.deactivate();
    const int blocks = standinBlocksOutstanding();
    for (int i = 1; i < 199; ++i) {
        f.leftClick();
        f.rightClick();
        f.deactivate();
        Command(first, IDC_POINT_AXES);  // a panel of an earlier activation keeps working
        Drain();
        if (i % 50 == 0) KeepAlive();  // some 150 ms a cycle under Wine
    }
    const std::vector<HWND> earlier = f.Panels();
    f.leftClick();
    Pump();
    // Every activation makes a panel of its own, and the module keeps them all.
    const std::vector<HWND> panels = f.Panels();
    CHECK_EQ(200u, panels.size());
    CHECK_EQ(blocks, standinBlocksOutstanding());
    CHECK_EQ(198u, JournalCalls("tsxCalloc(2, 4) -> block").size());
    CHECK_EQ(200u, JournalCalls("tsxGetTSDir").size());
    CHECK(FileExists(f.installFolder + kLog));
    for (HWND panel : panels) {
        const bool last = std::find(earlier.begin(), earlier.end(), panel) == earlier.end();
        if (panel == first || last)
            CheckAnEditReachesTheHost(panel, last ? "the last panel" : "the first panel");
    }
    f.deactivate();
}

WINE_TEST(AThousandHideAndShowCyclesKeepOnePanel) {
    OpenedPanel p;
    PrepareThePointReadout();
    p.Click(IDC_ROLL_TITLE);  // reduced to its title strip; the state survives hiding
    RECT before{};
    GetWindowRect(p.panel, &before);
    const int blocks = standinBlocksOutstanding();
    int wrong = 0;
    for (int i = 0; i < 1000 && wrong == 0; ++i) {
        switch (i % 3) {
        case 0: p.Click(IDC_HIDE); break;
        case 1: SendMessageA(p.panel, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case 2: SendMessageA(p.panel, WM_CLOSE, 0, 0); break;
        }
        Drain();
        if (IsWindowVisible(p.panel)) wrong = i + 1;
        const int calls = standinJournalCount();
        p.f.leftClick();
        Drain();
        if (!IsWindowVisible(p.panel) || standinJournalCount() != calls)
            wrong = i + 1;  // showing calls nothing
        Command(p.panel, IDC_POINT_AXES);
        if (i % 250 == 249) KeepAlive();
    }
    CHECK_EQ(0, wrong);
    CHECK_EQ(p.panel, p.f.Panel());
    CHECK_EQ(blocks, standinBlocksOutstanding());
    CHECK_EQ(1000u, JournalCalls("tsxCalloc(2, 4) -> block").size());
    RECT after{};
    GetWindowRect(p.panel, &after);
    CHECK_EQ(before.left, after.left);
    CHECK_EQ(before.top, after.top);
    CHECK_EQ(14, p.Height());
    CHECK_EQ(std::string("3"), p.Text(IDC_LOCATION_Y));  // the readout's point
    p.Click(IDC_ROLL_TITLE);
    CheckAnEditReachesTheHost(p.panel, "after 1,000 hide/show cycles");
}

// ---------------------------------------------------------------------------
// Another module of the process switches the C runtime that it shares with
// the module (msvcrt.dll) to a decimal comma.

WINE_TEST(ACommaLocaleInTheRuntimeChangesNoNumberTextOfThePanel) {
    ModuleFixture f;
    struct CLocaleAtTheEnd {
        ~CLocaleAtTheEnd() { std::setlocale(LC_ALL, "C"); }
    } restore;
    if (!std::setlocale(LC_ALL, "German_Germany.1252") ||
        std::localeconv()->decimal_point[0] != ',') {
        Fail(__FILE__, __LINE__,
             "the locale German_Germany.1252, with its decimal comma, did not take");
        throw Abort();
    }
    f.leftClick();
    Pump();
    const HWND panel = f.Panel();
    auto field = [panel](int id) { return GetDlgItem(panel, id); };
    Key(field(IDC_SIZE_X), VK_UP);  // a spin step
    CHECK_EQ(std::string("2.100"), Text(field(IDC_SIZE_X)));
    CHECK_EQ(2.1f, Cube().size.x);
    Replace(field(IDC_LOCATION_STEP), "0.00001");  // a typed step, then a step in exponent form
    Key(field(IDC_LOCATION_Y), VK_UP);
    CHECK_EQ(std::string("1.000e-05"), Text(field(IDC_LOCATION_Y)));
    CHECK_EQ(1e-5f, Cube().location.y);
    Replace(field(IDC_ROTATION_Y), "2.5");
    CHECK_EQ(2.5f, Cube().rotation.y);

    StandinObject cube = Cube();
    cube.location = {1.5f, -2.25f, 5e-5f};
    standinSetObject(standinObjectAt(0), &cube);
    SendMessageA(field(IDC_GET_OBJECT), BM_CLICK, 0, 0);
    std::string shown;
    for (int id : {IDC_LOCATION_X, IDC_LOCATION_Y, IDC_LOCATION_Z, IDC_ROTATION_Y, IDC_SIZE_X})
        shown += Text(field(id)) + " ";
    CHECK_EQ(std::string("1.5 -2.25 5e-05 2.5 2.1 "), shown);
    CHECK_EQ(std::vector<std::string>(), TakeDismissedBoxes());
}
