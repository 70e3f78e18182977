// The folders depend on each other in one direction only: the include graph,
// read from the sources, never reaches from a folder into one on its own
// level or above it.
//
//   plugin/                    the five exports and module state, on top
//   panel/                     the panel window, its exchange and commands
//   app/ controls/ log/        application object, controls, log
//   host/                      the stand-in host, beside them
//   api/ win/ res/             host API contract, Win32 helpers, resources
//   base/                      number texts and pixel geometry, under all
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> kLevel = {
    {"base", 0},     {"api", 1}, {"win", 1},  {"res", 1},   {"app", 2},
    {"controls", 2}, {"log", 2}, {"host", 2}, {"panel", 3}, {"plugin", 4},
};

TEST(Layers, NoFolderIncludesOneOnItsLevelOrAbove) {
    const fs::path root = ORTOLAN_SOURCE_DIR;
    const std::regex include(R"re(^\s*#\s*include\s*"([A-Za-z_]+)/)re");
    int crossings = 0;
    for (const auto& [folder, level] : kLevel) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".h" && extension != ".cpp" && extension != ".rc") continue;
            std::ifstream source(entry.path());
            std::string line;
            for (int number = 1; std::getline(source, line); ++number) {
                std::smatch match;
                if (!std::regex_search(line, match, include)) continue;
                const std::string target = match[1];
                const auto known = kLevel.find(target);
                if (known == kLevel.end() || target == folder) continue;
                ++crossings;
                EXPECT_LT(known->second, level)
                    << fs::relative(entry.path(), root).string() << ":" << number << " includes "
                    << target << "/, which " << folder << "/ may not depend on";
            }
        }
    }
    EXPECT_GT(crossings, 30);  // the graph was read at all
}

}  // namespace
