// The workbench's command line, without windows.h.
//
//     workbench.exe [module path]
//     workbench.exe --demo <outdir> [module path]
//
// Without a module path the workbench loads ortolan.tsx from its own folder.
#pragma once

#include <string>
#include <vector>

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
    std::string error;       // not empty: the command line was not understood
};

// args[0] is the program and is skipped.
Options ParseOptions(const std::vector<std::string>& args);

// The folder of a program path (with its trailing separator) + file.
std::string BesideProgram(const std::string& programPath, const std::string& file);

const char* const kDefaultModuleName = "ortolan.tsx";
const char* const kUsage = "usage: workbench.exe [module.tsx] | workbench.exe --demo <outdir> [module.tsx]";

}  // namespace workbench
