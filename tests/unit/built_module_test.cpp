// Checks on the built 32-bit Windows files: what the module exports, what it
// imports, and the resources it carries. Skipped unless the native build was
// configured with the Windows build folder (scripts/test does that).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "pe_image.h"
#include "tests/support/bitmaps.h"

namespace {

#ifdef ORTOLAN_WIN32_DIR
const std::string kBuild = ORTOLAN_WIN32_DIR;
#else
const std::string kBuild;
#endif
#ifdef ORTOLAN_SOURCE_DIR
const std::string kSource = ORTOLAN_SOURCE_DIR;
#else
const std::string kSource;
#endif

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The host API names as the module's import library lists them.
std::set<std::string> HostApiNames() {
    std::ifstream in(kSource + "/api/tsxapi.def");
    std::set<std::string> names;
    std::string line;
    bool exports = false;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word[0] == ';') continue;
        if (word == "EXPORTS") {
            exports = true;
        } else if (exports) {
            names.insert(word);
        }
    }
    return names;
}

class BuiltModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (kBuild.empty() || kSource.empty()) GTEST_SKIP() << "no Windows build folder given";
    }
};

TEST_F(BuiltModuleTest, IsA32BitDllExportingExactlyTheFiveEntryPoints) {
    PeImage module(kBuild + "/ortolan.tsx");
    ASSERT_TRUE(module.Valid());
    EXPECT_EQ(0x14C, module.Machine()) << "i386";
    EXPECT_FALSE(module.Is64());
    EXPECT_TRUE(module.IsDll());
    std::vector<std::string> names = module.ExportNames();
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {"tsxDeactivate", "tsxGetData", "tsxGetVersion",
                                               "tsxOnLeftClick", "tsxOnRightClick"};
    EXPECT_EQ(expected, names);
}

TEST_F(BuiltModuleTest, ImportsOnlySystemLibrariesAndTheHostApi) {
    PeImage module(kBuild + "/ortolan.tsx");
    ASSERT_TRUE(module.Valid());
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                           "comctl32.dll", "advapi32.dll", "msvcrt.dll",
                                           "tsxapi.dll"};
    const auto imports = module.Imports();
    ASSERT_TRUE(imports.count("tsxapi.dll"));
    for (const auto& [dll, functions] : imports)
        EXPECT_TRUE(allowed.count(Lower(dll))) << dll << " is not a system library";
    const std::set<std::string> api = HostApiNames();
    ASSERT_FALSE(api.empty());
    for (const std::string& function : imports.at("tsxapi.dll"))
        EXPECT_TRUE(api.count(function)) << function << " is not a host API function";
    // Windows registers the up-down class only when a module asks for it.
    const std::vector<std::string>& comctl = imports.at("COMCTL32.DLL");
    EXPECT_EQ(1, std::count(comctl.begin(), comctl.end(), "InitCommonControlsEx"));
}

TEST_F(BuiltModuleTest, StandInExportsEveryHostApiFunction) {
    PeImage standin(kBuild + "/tsxapi.dll");
    ASSERT_TRUE(standin.Valid());
    const std::vector<std::string> exported = standin.ExportNames();
    const std::set<std::string> names(exported.begin(), exported.end());
    for (const std::string& function : HostApiNames())
        EXPECT_TRUE(names.count(function)) << function << " missing from the stand-in";
}

TEST_F(BuiltModuleTest, CarriesThePanelTemplateAndTheCreditLine) {
    PeImage module(kBuild + "/ortolan.tsx");
    ASSERT_TRUE(module.Valid());
    const auto dialog = module.Resource(5, 2003);
    ASSERT_GE(dialog.size(), 26u);
    // DIALOGEX: signature 0xFFFF, version 1; cx, cy of 202 x 166 units.
    EXPECT_EQ(0x01, dialog[0]);
    EXPECT_EQ(0xFFFF, dialog[2] | dialog[3] << 8);
    EXPECT_EQ(202, dialog[22] | dialog[23] << 8);
    EXPECT_EQ(166, dialog[24] | dialog[25] << 8);
    // String 2002 lives in block 2002 / 16 + 1 = 126, as UTF-16.
    const auto strings = module.Resource(6, 2002 / 16 + 1);
    EXPECT_FALSE(strings.empty());
#ifdef ORTOLAN_VERSION
    // The release is named after the version the user sees in the credit line.
    std::string credit;
    for (char c : std::string("Ortolan " ORTOLAN_VERSION " - ")) credit += {c, '\0'};
    EXPECT_NE(std::string::npos, std::string(strings.begin(), strings.end()).find(credit));
    // The panel's title, a string of the code, carries the same version.
    std::ifstream file(kBuild + "/ortolan.tsx", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(std::string::npos, bytes.find(std::string("Ortolan " ORTOLAN_VERSION) + '\0'));
#endif
}

TEST_F(BuiltModuleTest, NamesItselfInItsVersionResource) {
    const auto data = PeImage(kBuild + "/ortolan.tsx").Resource(16, 1);
    // Keys and values are UTF-16 texts apart by NULs and padding: their
    // ASCII halves read in order, each run of NULs as one '|'.
    std::string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        if (data[i])
            text += static_cast<char>(data[i]);
        else if (text.empty() || text.back() != '|')
            text += '|';
    }
    for (const char* entry :
         {"ProductName|Ortolan|", "OriginalFilename|ortolan.tsx|",
          "LegalCopyright|Copyright (c) 2026 Kestrelworks|", "FileDescription|Ortolan"})
        EXPECT_NE(std::string::npos, text.find(entry)) << entry << " in " << text;
#ifdef ORTOLAN_VERSION
    EXPECT_NE(std::string::npos, text.find("FileVersion|" ORTOLAN_VERSION ".0.0|"));
    EXPECT_NE(std::string::npos, text.find("ProductVersion|" ORTOLAN_VERSION ".0.0|"));
#endif
}

TEST_F(BuiltModuleTest, CarriesEveryBitmapAtItsSizeAndDepth) {
    PeImage module(kBuild + "/ortolan.tsx");
    ASSERT_TRUE(module.Valid());
    for (const ExpectedBitmap& e : kExpectedBitmaps) {
        // A bitmap resource is a BITMAPINFOHEADER followed by colours and bits.
        const auto data = module.Resource(2, e.id);
        ASSERT_GE(data.size(), 40u) << "bitmap " << e.id << " missing";
        EXPECT_EQ(e.width, std::int32_t(U32(data, 4))) << "bitmap " << e.id;
        EXPECT_EQ(e.height, std::abs(std::int32_t(U32(data, 8)))) << "bitmap " << e.id;
        EXPECT_EQ(e.bitsPerPixel, int(U16(data, 14))) << "bitmap " << e.id;
    }
}

}  // namespace
