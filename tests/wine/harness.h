// A small test harness for programs that run under Wine: test registration,
// checks that report and go on, a watchdog so no test can hang, a watcher
// that dismisses modal boxes, and a fixture that loads the real module next
// to the stand-in host.
#pragma once

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "box_watch.h"
#include "drive.h"
#include "host/hosting/host_win.h"
#include "host/standin.h"

namespace harness {

using TestFunction = void (*)();

struct Registrar {
    Registrar(const char* name, TestFunction function);
};

struct Abort {};  // thrown by REQUIRE to end the current test

void Fail(const char* file, int line, const std::string& message);

template <class T>
std::string ToText(const T& value) {
    std::ostringstream text;
    text.precision(9);  // every digit a float needs to be told from its neighbours
    text << value;
    return text.str();
}
std::string ToText(const std::vector<std::string>& lines);

template <class A, class B>
std::string Describe(const char* a, const char* b, const A& av, const B& bv) {
    return std::string(a) + " == " + b + "\n      expected: " + ToText(av) +
           "\n      actual:   " + ToText(bv);
}

// Processes this thread's messages for the given time.
void Pump(DWORD milliseconds = 50);

// Processes them until `holds()` (false after `limit` milliseconds without).
template <class Condition>
bool PumpUntil(Condition holds, DWORD limit = 5000) {
    for (const DWORD start = GetTickCount(); !holds(); Pump(20))
        if (GetTickCount() - start > limit) return false;
    return true;
}

inline RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// A long test that is still making progress starts its minute again: the
// watchdog ends only a test that stops between two calls.
void KeepAlive();

// The stand-in's journal, and its lines that start with a prefix.
std::vector<std::string> Journal();
std::vector<std::string> JournalCalls(const char* prefix);
std::string JournalText();

// The first object of the stand-in's scene as it is now: in the default
// scene, the cube.
StandinObject Cube();

// The point-selection readout's inputs: the edited points' axes at
// `position`, turned by `euler`, and two faces of the cube selected.
void SetPointSelection(const Vector3& position, const Vector3& euler);

// The WM_COMMAND of a click on the panel's control `id`, sent to the panel
// itself: it reaches commands whose controls are hidden or absent.
void Command(HWND panel, int id);

// Folder of this program, with a trailing backslash.
std::string ProgramFolder();
// A fresh empty folder under the system temporary folder, with a trailing backslash.
std::string FreshFolder(const char* name);
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// The module's profile values live here; tests start without them.
void DeleteProfile();
bool ReadProfile(const char* entry, DWORD& value);
void WriteProfile(const char* entry, DWORD value);

// The real module loaded beside the stand-in host, in the host library's
// host: a main view window that owns its panels and takes the host's keys,
// and the host's loop, which Pump and Drain go through while the fixture
// lives. Unloading destroys the view first, so no panel outlives the code of
// its window procedure.
class ModuleFixture {
public:
    explicit ModuleFixture(hosting::LoopKind loop = hosting::LoopKind::Accelerators);
    ~ModuleFixture();
    ModuleFixture(const ModuleFixture&) = delete;
    ModuleFixture& operator=(const ModuleFixture&) = delete;

    hosting::Host host;
    HMODULE module = nullptr;
    HWND view = nullptr;
    std::string installFolder;  // what tsxGetTSDir returns

    decltype(&tsxGetData) getData = nullptr;
    decltype(&tsxGetVersion) getVersion = nullptr;
    decltype(&tsxOnLeftClick) leftClick = nullptr;
    decltype(&tsxOnRightClick) rightClick = nullptr;
    decltype(&tsxDeactivate) deactivate = nullptr;

    // Top-level panel windows owned by the view, in no particular order.
    std::vector<HWND> Panels() const;
    HWND Panel() const;  // the one panel; fails the test unless there is exactly one
};

// The module opened with the default scene (object #1 "Cube" at the origin,
// size 2, 2, 2, selected) and its panel shown; the journal starts empty.
struct OpenedPanel {
    explicit OpenedPanel(hosting::LoopKind loop = hosting::LoopKind::Accelerators);
    HWND Item(int id) const { return GetDlgItem(panel, id); }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    std::string Text(int id) const { return harness::Text(Item(id)); }
    int Height() const;

    ModuleFixture f;
    HWND panel = nullptr;
};

}  // namespace harness

#define WINE_TEST(name)                                        \
    static void name();                                        \
    static ::harness::Registrar name##_registrar(#name, name); \
    static void name()

#define CHECK(condition)                                                   \
    do {                                                                   \
        if (!(condition)) ::harness::Fail(__FILE__, __LINE__, #condition); \
    } while (0)

#define CHECK_EQ(expected, actual)                                                                \
    do {                                                                                          \
        /* copies: the values may refer into temporaries of the expressions */                    \
        const auto e_ = (expected);                                                               \
        const auto a_ = (actual);                                                                 \
        if (!(e_ == a_))                                                                          \
            ::harness::Fail(__FILE__, __LINE__, ::harness::Describe(#expected, #actual, e_, a_)); \
    } while (0)

#define REQUIRE(condition)                                   \
    do {                                                     \
        if (!(condition)) {                                  \
            ::harness::Fail(__FILE__, __LINE__, #condition); \
            throw ::harness::Abort();                        \
        }                                                    \
    } while (0)
