// Command and child window ids of the workbench's main window. A test in
// another process drives the workbench with them (Wine keeps menus per
// process, so it cannot read them off the menu).
#pragma once

namespace workbench {

enum CommandId {
    kDeactivateCommand = 100,  // Module > Deactivate
    kExitCommand,              // Module > Exit
    kResetCommand,             // Scene > Reset scene
    kListId = 200,             // the object list
    kStatusId,                 // the status line
};

// Window classes of the main window and its tool strip (where the icon is).
const char* const kMainWindowClass = "OrtolanWorkbench";
const char* const kToolStripClass = "OrtolanWorkbenchToolStrip";

}  // namespace workbench
