#include "host/workbench/demo_script.h"

namespace workbench {
namespace {

// The virtual key codes, spelt out here because this file does without windows.h.
const int kVirtualKeyTab = 0x09;
const int kVirtualKeyUp = 0x26;
const int kVirtualKeyDelete = 0x2E;

}  // namespace

const DemoStep kDemoScript[] = {
    {DemoAction::WriteRecord, 0, nullptr, "read the module's description"},
    {DemoAction::LeftClick, 0, nullptr, "open the panel"},
    {DemoAction::Pump, 500, nullptr, "let the panel paint"},
    {DemoAction::Screenshot, 0, "01-panel-open.bmp", "panel open over the main view"},
    {DemoAction::ClickInPanel, 0, nullptr, "reduce the panel to its field rows", 3006},
    {DemoAction::Pump, 300, nullptr, "let the panel paint"},
    {DemoAction::Screenshot, 0, "02-panel-fields.bmp", "panel reduced to its field rows"},
    {DemoAction::ClickInPanel, 0, nullptr, "restore the full panel", 3006},
    {DemoAction::ClickInPanel, 0, nullptr, "reduce the panel to its title strip", 3007},
    {DemoAction::Pump, 300, nullptr, "let the panel paint"},
    {DemoAction::Screenshot, 0, "03-panel-title.bmp", "panel reduced to its title strip"},
    {DemoAction::ClickInPanel, 0, nullptr, "restore the full panel", 3007},
    {DemoAction::TypeInPanel, 0, nullptr, "move the cube to the right by typing its location Y", 3011, "7.5"},
    {DemoAction::PressKey, 0, nullptr, "step location Y up by the Up key", 3011, nullptr, kVirtualKeyUp},
    {DemoAction::PressKey, 0, nullptr, "Tab from location Y to location Z", 3011, nullptr, kVirtualKeyTab},
    {DemoAction::TypeInPanel, 0, nullptr, "turn the cube about Z", 3019, "30"},
    {DemoAction::Pump, 300, nullptr, "let the view repaint"},
    {DemoAction::Screenshot, 0, "04-object-edited.bmp", "the cube moved by a typed value and a spin step"},
    {DemoAction::PressKey, 0, nullptr, "Delete in the main view, a host shortcut", 0, nullptr, kVirtualKeyDelete},
    {DemoAction::RightClick, 0, nullptr, "right click while active"},
    {DemoAction::Deactivate, 0, nullptr, "end the activation"},
    {DemoAction::LeftClick, 0, nullptr, "activate again"},
    {DemoAction::Pump, 500, nullptr, "let the panels paint"},
    {DemoAction::Screenshot, 0, "05-after-reactivation.bmp", "after deactivation and a new activation"},
    {DemoAction::RestPointer, 0, nullptr, "rest the pointer on location X", 3009},
    {DemoAction::Pump, 1200, nullptr, "let the tip show"},
    {DemoAction::Screenshot, 0, "06-panel-tip.bmp", "the tip of location X"},
    {DemoAction::WriteJournal, 0, "journal.txt", "every host call of the session"},
};
const size_t kDemoScriptLength = sizeof kDemoScript / sizeof kDemoScript[0];

const char* DemoActionName(DemoAction action) {
    switch (action) {
    case DemoAction::WriteRecord: return "record";
    case DemoAction::LeftClick: return "left click";
    case DemoAction::RightClick: return "right click";
    case DemoAction::Deactivate: return "deactivate";
    case DemoAction::Pump: return "pump";
    case DemoAction::Screenshot: return "screenshot";
    case DemoAction::WriteJournal: return "journal";
    case DemoAction::TypeInPanel: return "type";
    case DemoAction::PressKey: return "key";
    case DemoAction::ClickInPanel: return "click";
    case DemoAction::RestPointer: return "pointer";
    }
    return "?";
}

}  // namespace workbench
