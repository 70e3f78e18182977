// The scripted demo session of the workbench (--demo), without windows.h.
//
// One table row per step, run top to bottom by the demo runner. To extend
// the session (typing into the panel, pressing its buttons ...) add an
// action here, teach the runner to do it, and add rows to kDemoScript.
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
    TypeInPanel,   // select all of panel field `control`, then type `text` a character at a time
    SpinUp,        // the Up arrow key in panel field `control`, as its spin button's up arrow
    ClickInPanel,  // a click on panel button `control`
};

struct DemoStep {
    DemoAction action;
    int milliseconds;  // Pump
    const char* file;  // Screenshot, WriteJournal
    const char* note;  // what the step is for, written to the report
    int control = 0;             // TypeInPanel, SpinUp, ClickInPanel: the panel's control id
    const char* text = nullptr;  // TypeInPanel
};

extern const DemoStep kDemoScript[];
extern const size_t kDemoScriptLength;

const char* const kReportFile = "report.txt";

const char* DemoActionName(DemoAction action);

}  // namespace workbench
