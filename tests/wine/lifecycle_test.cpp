// The module's entry points driven as the host drives them, against the
// stand-in host: the description record, activation, deactivation and the
// log file.
#include <fcntl.h>

#include <algorithm>
#include <clocale>
#include <cstring>

#include "harness.h"
#include "log/Log.h"
#include "res/resource.h"

using namespace harness;

namespace {

// Owned by the view and centred over its client area, measured from its
// outer corner.
void CheckCentredOver(HWND view, HWND panel) {
    CHECK_EQ(view, GetWindow(panel, GW_OWNER));
    RECT viewClient{}, panelClient{};
    GetClientRect(view, &viewClient);
    GetClientRect(panel, &panelClient);
    const RECT viewWindow = WindowRect(view);
    const RECT r = WindowRect(panel);
    CHECK_EQ(viewClient.right / 2 + viewWindow.left - panelClient.right / 2, r.left);
    CHECK_EQ(viewClient.bottom / 2 + viewWindow.top - panelClient.bottom / 2, r.top);
}

}  // namespace

WINE_TEST(DescriptionRecordIsExactlyAHundredBytes) {
    ModuleFixture f;
    unsigned char buffer[128];
    std::memset(buffer, 0xCC, sizeof buffer);
    CHECK_EQ(0, f.getData(buffer, 12345));
    CHECK_EQ(0, std::memcmp(buffer, "Ortolan\0", 8));
    CHECK_EQ(0, std::memcmp(buffer + 32, "Was written by me\0", 18));
    CHECK(std::all_of(buffer + 8, buffer + 32, [](unsigned char b) { return b == 0; }));
    CHECK(std::all_of(buffer + 50, buffer + 96, [](unsigned char b) { return b == 0; }));
    // The ids of the icon bitmap and the credit string, 16 bits each, low byte first.
    const unsigned char ids[] = {IDB_MODULE_ICON & 0xFF, IDB_MODULE_ICON >> 8, IDS_CREDIT & 0xFF,
                                 IDS_CREDIT >> 8};
    CHECK_EQ(0, std::memcmp(buffer + 96, ids, 4));
    CHECK(std::all_of(buffer + 100, buffer + 128, [](unsigned char b) { return b == 0xCC; }));
    CHECK(Journal().empty());
}

WINE_TEST(VersionIs510WhetherActiveOrNot) {
    ModuleFixture f;
    CHECK_EQ(510, f.getVersion());
    f.leftClick();
    CHECK_EQ(510, f.getVersion());
    f.deactivate();
    CHECK_EQ(510, f.getVersion());
}

WINE_TEST(RightClickAndDeactivateBeforeAnyLeftClickDoNothing) {
    ModuleFixture f;
    f.rightClick();
    f.deactivate();
    Pump();
    CHECK(f.Panels().empty());
    CHECK(Journal().empty());
    CHECK(!FileExists(f.installFolder + "rodadav.log"));
}

WINE_TEST(FirstLeftClickOpensOnePanelCentredOverTheMainView) {
    ModuleFixture f;
    // A stored position is replaced by the centring.
    WriteProfile("PanelX", 3);
    WriteProfile("PanelY", 4);
    CHECK_EQ(0, f.leftClick());
    Pump();
    const HWND panel = f.Panel();
    CHECK(IsWindowVisible(panel));
    CheckCentredOver(f.view, panel);
    CHECK_EQ(1u, JournalCalls("tsxGetTSDir(0)").size());
    CHECK_EQ(1u, JournalCalls("tsxGetMainViewHwnd()").size());
}

WINE_TEST(SecondLeftClickShowsTheSamePanelAgain) {
    ModuleFixture f;
    f.leftClick();
    Pump();
    const HWND panel = f.Panel();
    SendMessageA(panel, WM_CLOSE, 0, 0);  // hides, as the close item of its menu does
    Pump();
    CHECK(!IsWindowVisible(panel));
    const RECT before = WindowRect(panel);
    standinJournalClear();
    f.leftClick();
    Pump();
    CHECK_EQ(panel, f.Panel());
    CHECK(IsWindowVisible(panel));
    const RECT after = WindowRect(panel);
    CHECK_EQ(before.left, after.left);
    CHECK_EQ(before.top, after.top);
    CHECK(JournalCalls("tsxGetTSDir").empty());
    CHECK(JournalCalls("tsxGetMainViewHwnd").empty());
}

// A host that destroys its main view while the module is active (a reset of
// its layout, a new document window) takes the panel's window with it. The
// next click opens the panel again under the new view, as a first click
// does, and it works.
WINE_TEST(AClickBringsBackAPanelWhoseWindowWentWithTheMainView) {
    ModuleFixture f;
    f.leftClick();
    Pump();
    Replace(GetDlgItem(f.Panel(), IDC_LOCATION_X), "4");
    f.host.ReplaceView();
    CHECK(f.Panels().empty());
    f.leftClick();
    Pump();
    const HWND panel = f.Panel();
    CHECK(IsWindowVisible(panel));
    CheckCentredOver(f.host.View(), panel);
    CHECK_EQ(std::string("4"), Text(GetDlgItem(panel, IDC_LOCATION_X)));
    Replace(GetDlgItem(panel, IDC_LOCATION_Y), "6");
    CHECK_EQ(6.0f, Cube().location.y);
}

WINE_TEST(DeactivationLeavesThePanelAsItWasAndWritesNoProfile) {
    ModuleFixture f;
    f.leftClick();
    Pump();
    const HWND panel = f.Panel();
    const RECT before = WindowRect(panel);
    f.deactivate();
    Pump();
    CHECK(IsWindow(panel));
    CHECK(IsWindowVisible(panel));
    const RECT after = WindowRect(panel);
    CHECK_EQ(before.left, after.left);
    CHECK_EQ(before.top, after.top);
    DWORD value = 0;
    CHECK(!ReadProfile("PanelX", value));
    f.rightClick();  // inactive again: nothing happens
    f.deactivate();
    CHECK(IsWindowVisible(panel));
}

WINE_TEST(ReactivationOpensASecondPanelAndKeepsTheLog) {
    ModuleFixture f;
    const std::string log = f.installFolder + "rodadav.log";
    WriteFile(log, "from an earlier session\n");
    f.leftClick();
    Pump();
    CHECK(FileExists(log));
    CHECK_EQ(std::string(), ReadFile(log));  // emptied at the first activation
    const HWND first = f.Panel();
    MoveWindow(first, 10, 20, 300, 200, TRUE);
    const RECT moved = WindowRect(first);
    f.deactivate();
    // Someone else writes to the file while the module keeps it open.
    HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(file != INVALID_HANDLE_VALUE);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file, "marker\r\n", 8, &written, nullptr);
        CloseHandle(file);
    }
    f.leftClick();
    Pump();
    const std::vector<HWND> panels = f.Panels();
    CHECK_EQ(2u, panels.size());
    CHECK(std::find(panels.begin(), panels.end(), first) != panels.end());
    const RECT still = WindowRect(first);
    CHECK_EQ(moved.left, still.left);
    CHECK_EQ(moved.top, still.top);
    CHECK_EQ(std::string("marker\r\n"), ReadFile(log));  // not truncated a second time
    CHECK_EQ(2u, JournalCalls("tsxGetTSDir").size());
}

WINE_TEST(TheLogStaysOpenUntilTheModuleIsUnloaded) {
    std::string log;
    {
        ModuleFixture f;
        log = f.installFolder + "rodadav.log";
        f.leftClick();
        Pump();
        f.deactivate();
        // Created read/write for everyone (protection 438): not read-only.
        const DWORD attributes = GetFileAttributesA(log.c_str());
        CHECK(attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY));
        HANDLE alone =
            CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        CHECK(alone == INVALID_HANDLE_VALUE);  // the module still has it open
        if (alone != INVALID_HANDLE_VALUE) CloseHandle(alone);
    }
    HANDLE alone = CreateFileA(log.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(alone != INVALID_HANDLE_VALUE);  // closed as the module went
    if (alone != INVALID_HANDLE_VALUE) CloseHandle(alone);
}

// The module never writes an entry itself, so the log code as the module
// builds it is linked into this program and driven here.
WINE_TEST(LogEntriesReachTheFileAsTextLinesAtOnce) {
    const std::string folder = FreshFolder("log-lines");
    // The host may have made binary the shared runtime's default file mode.
    const int mode = _fmode;
    _fmode = _O_BINARY;
    OpenLogForActivation(folder);
    _fmode = mode;
    REQUIRE(logEnabled);
    logLevel = 1;
    WriteEntry(Severity::Warning, "abc");
    // A host may switch the C locale to a decimal comma; a float in the log
    // keeps its point, as a stream's does.
    const char* comma = setlocale(LC_NUMERIC, "German");
    CHECK(comma && std::strcmp(localeconv()->decimal_point, ",") == 0);
    LogWriter() << 2.5f;
    setlocale(LC_NUMERIC, "C");
    // Read while the file is open: what is there was flushed as written.
    const std::string text = ReadFile(folder + kLogFileName);
    const std::string tail = " - Warning : abc\r\n2.5";
    CHECK_EQ(tail, text.substr(text.size() > tail.size() ? text.size() - tail.size() : 0));
    CHECK_EQ(1, std::count(text.begin(), text.end(), '\n'));
    LogStream().Close();
    logSink = nullptr;
    logEnabled = false;
    logLevel = 0;
}

WINE_TEST(LogPathIsTheDirectoryTextWithTheNameAppended) {
    ModuleFixture f;
    // A directory text without a trailing separator gets none added.
    const std::string prefix = f.installFolder + "host-";
    standinSetTSDir(prefix.c_str());
    f.leftClick();
    Pump();
    CHECK(FileExists(prefix + "rodadav.log"));
    CHECK(!FileExists(f.installFolder + "rodadav.log"));
}

WINE_TEST(AnUnwritableLogFolderDoesNotStopTheActivation) {
    ModuleFixture f;
    const std::string missing = f.installFolder + "no\\such\\folder\\";
    standinSetTSDir(missing.c_str());
    f.leftClick();
    Pump();
    CHECK(IsWindowVisible(f.Panel()));
    f.deactivate();
}

// Nor a host that names no folder: and no log is made in the current one.
WINE_TEST(WithoutAnInstallationFolderThereIsNoLog) {
    ModuleFixture f;
    SetCurrentDirectoryA(f.installFolder.c_str());
    standinSetTSDir(nullptr);
    f.leftClick();
    Pump();
    SetCurrentDirectoryA(ProgramFolder().c_str());
    CHECK(IsWindowVisible(f.Panel()));
    CHECK(!FileExists(f.installFolder + "rodadav.log"));
}
