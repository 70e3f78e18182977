// The workbench's command line, without windows.h.
//
//     workbench.exe [--host-loop accelerators|dialog|plain] [module path]
//     workbench.exe --demo <outdir> [--host-loop ...] [module path]
//
// Without a module path the workbench loads ortolan.tsx from its own folder.
// The host loop is the message loop the workbench runs: by default the one
// most hosts run (their own accelerators for every message, no dialog
// handling for the module's windows); "dialog" hands every dialog its
// keyboard through IsDialogMessage; "plain" translates no keys at all.
#pragma once

#include <string>
#include <vector>

#include "host/hosting/loop_kind.h"

namespace workbench {

// Splits a Windows command line the way the C runtime does for argv:
// white space separates, double quotes group, 2n backslashes before a quote
// give n backslashes and a quote that groups, 2n + 1 give n and a literal
// quote, other backslashes are literal (so "Z:\out\" paths survive).
std::vector<std::string> SplitCommandLine(const std::string& line);

struct Options {
    bool demo = false;
    std::string outDir;      // demo only
    std::string modulePath;  // empty: the default beside the workbench
    hosting::LoopKind hostLoop = hosting::LoopKind::Accelerators;
    std::string error;  // not empty: the command line was not understood
};

// args[0] is the program and is skipped.
Options ParseOptions(const std::vector<std::string>& args);

// The folder of a program path (with its trailing separator) + file.
std::string BesideProgram(const std::string& programPath, const std::string& file);

const char* const kDefaultModuleName = "ortolan.tsx";
const char* const kUsage = "usage: workbench.exe [--demo <outdir>] [--host-loop accelerators|dialog|plain] [module.tsx]";

}  // namespace workbench
