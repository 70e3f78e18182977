// What the controls' Wine tests share: a modeless test dialog that hosts
// button children and routes WM_DRAWITEM to the control objects by window
// as the panel does, a record of the notifications it receives, pixel
// snapshots of painted controls, a direct paint into a test-owned device
// context that checks the context is left as it was, a driver that works a
// popup menu's modal loop from another thread, and a timeline of messages
// to compare with a table of expected ones.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/OwnerDrawnButton_win.h"

namespace kit {

struct Received {
    UINT message;
    WPARAM wp;
    LPARAM lp;
    std::string senderText;  // WM_COMMAND: the sender's window text on arrival
};

// The dialog windows outlive their TestDialog objects and serve the next
// ones: where Wine manages windows and no window manager runs, it waits two
// seconds for every top-level window that is hidden or destroyed. A
// TestDialog destroys its children and forgets what its window received.
class TestDialog {
public:
    TestDialog();  // visible, client area 320 x 200 at screen (100, 100)
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Get() const { return hwnd; }
    HWND AddButton(int id, const char* caption, DWORD style, int x, int y, int width, int height);
    void Route(OwnerDrawnButton& control) { controls.push_back(&control); }

    // WM_COMMAND, WM_TITLE_RCLICK and WM_CONTEXTMENU received so far; the
    // list is emptied.
    std::vector<Received> Take();
    // WM_DRAWITEM requests routed to a control so far.
    int Draws() const { return draws; }
    // Called as each recorded message arrives.
    std::function<void(const Received&)> onMessage;

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR OnMessage(UINT message, WPARAM wp, LPARAM lp);
    void Record(UINT message, WPARAM wp, LPARAM lp);

    HWND hwnd = nullptr;
    std::vector<OwnerDrawnButton*> controls;
    std::vector<Received> received;
    int draws = 0;
};

// A 32-bit snapshot of a window's client area or of a direct paint.
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, std::vector<COLORREF> colours);
    int Width() const { return width; }
    int Height() const { return height; }
    COLORREF At(int x, int y) const;  // CLR_INVALID outside
    int Count(COLORREF colour) const;
    int CountIn(const RECT& area, COLORREF colour) const;
    bool Contains(COLORREF colour) const { return Count(colour) > 0; }
    // Bounding box of the pixels of a colour; empty when there are none.
    RECT Bounds(COLORREF colour) const;
    bool operator==(const Pixels& other) const;
    std::string Dump() const;  // for failure messages

private:
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;
};

// The control paints itself through its parent into a memory DC
// (WM_PRINTCLIENT), with the item state the system button holds.
Pixels PrintClient(HWND window, COLORREF background = RGB(1, 2, 3));
// What is on the screen in the window's client area.
Pixels Screen(HWND window);
// What WM_ERASEBKGND paints into a memory DC prefilled with `background`.
Pixels Erase(HWND window, LRESULT& result, COLORREF background = RGB(1, 2, 3));

// GDI objects and DCs this program (the controls in it) made or borrowed and
// still holds: the GDI watch on its import table, from before the first test.
long LiveGdiObjects();

struct DirectPaint {
    Pixels pixels;
    bool objectsRestored = false;  // pen, brush, font and bitmap as before
    long liveObjectChange = 0;     // LiveGdiObjects() after minus before
};
// Calls control.DrawItem for its window with the given item state into a
// test-owned memory DC that holds a known pen, brush, font and bitmap,
// prefilled with `background`.
DirectPaint PaintDirect(OwnerDrawnButton& control, UINT itemState,
                        COLORREF background = RGB(1, 2, 3));

// Waits on its own thread for this process's popup menu to show, notes its
// rectangle, then posts the keys (WM_KEYDOWN) to `target`, whose thread runs
// the menu loop. A menu that does not show or does not close in time is
// cancelled with WM_CANCELMODE so that no test hangs.
class MenuDriver {
public:
    MenuDriver(HWND target, std::vector<WPARAM> keys, DWORD showWithinMs = 3000);
    ~MenuDriver();
    MenuDriver(const MenuDriver&) = delete;
    MenuDriver& operator=(const MenuDriver&) = delete;

    // Waits for the thread to end.
    void Finish();
    bool SawMenu() const { return sawMenu; }
    RECT MenuRect() const { return menuRect; }

private:
    static DWORD WINAPI Run(void* self);
    void Drive();

    HWND target;
    std::vector<WPARAM> keys;
    DWORD showWithinMs;
    HANDLE thread = nullptr;
    volatile bool sawMenu = false;
    RECT menuRect{};
};

// --- Message sequences ---

// The part a window plays in a control's timeline.
enum Who { Control, Parent, Other };

// What of an expected step must match besides window and message; an
// optional step may be missing (platform-dependent messages).
enum : unsigned { kMatchWParam = 1, kMatchLParam = 2, kOptional = 4 };

// A table of steps ends in {}, a step without a message.
struct Step {
    constexpr Step() = default;
    constexpr Step(Who w, UINT m, WPARAM wParam = 0, LPARAM lParam = 0, unsigned f = 0)
        : who(w), message(m), wp(wParam), lp(lParam), flags(f) {}
    Who who = Control;
    UINT message = 0;
    WPARAM wp = 0;
    LPARAM lp = 0;
    unsigned flags = 0;
};

// One timeline of the messages sent or posted to the windows it watches,
// recorded by this thread's hooks, so that what the system sends (such as
// WM_CAPTURECHANGED) is there too. Painting, WM_GETICON, input-method and
// registered messages are noise and left out. One timeline at a time.
class Timeline {
public:
    Timeline();
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    void Watch(HWND window, Who who);
    void Flush() { entries.clear(); }
    // Sends WM_APP to the Parent as a marker, pumps, and compares what was
    // recorded since the last flush with `expected` (ending in {}, the
    // marker its last step). Empty when they match; otherwise the action and
    // both lists. Flushes.
    std::string Differences(const Step* expected, const std::string& action);

private:
    static LRESULT CALLBACK OnSent(int code, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK OnPosted(int code, WPARAM wp, LPARAM lp);
    void Record(HWND window, UINT message, WPARAM wp, LPARAM lp);

    std::vector<std::pair<HWND, Who>> windows;
    std::vector<Step> entries;
    HHOOK sent = nullptr;
    HHOOK posted = nullptr;
};

// Client coordinates packed for mouse messages.
inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

std::string Hex(COLORREF colour);

}  // namespace kit
