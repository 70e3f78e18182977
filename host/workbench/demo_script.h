// The scripted demo session of the workbench (--demo), without windows.h.
//
// One table row per step, run top to bottom by the demo runner. To extend
// the session add an action here, teach the runner to do it, and add rows to
// kDemoScript. Keys are posted as the system queues them and go through the
// workbench's host loop, as a user's would.
#pragma once

#include <cstddef>

namespace workbench {

enum class DemoAction {
    WriteRecord,   // ExtensionRecord, credit text and version into the report
    LeftClick,     // tsxOnLeftClick, as a click on the module's icon
    RightClick,    // tsxOnRightClick
    Deactivate,    // tsxDeactivate, as the Module menu's Deactivate
    Pump,          // process messages for `milliseconds`
    Screenshot,    // the workbench window and all over it into <outdir>/<file>
    WriteJournal,  // the whole journal into <outdir>/<file>
    TypeInPanel,   // focus and select all of panel field `control`, then type `text` a key at a time
    PressKey,      // key `key` in panel control `control` (0: the main view); notes focus and status
    ClickInPanel,  // a click on panel button `control`
    RestPointer,   // the pointer onto the middle of panel control `control`, where it stays
};

struct DemoStep {
    DemoAction action;
    int milliseconds;            // Pump
    const char* file;            // Screenshot, WriteJournal
    const char* note;            // what the step is for, written to the report
    int control = 0;             // TypeInPanel, PressKey, ClickInPanel, RestPointer: the panel's control id
    const char* text = nullptr;  // TypeInPanel
    int key = 0;                 // PressKey: a virtual key code
};

extern const DemoStep kDemoScript[];
extern const size_t kDemoScriptLength;

const char* const kReportFile = "report.txt";

const char* DemoActionName(DemoAction action);

}  // namespace workbench
