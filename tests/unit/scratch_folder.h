// A folder of the running test's own under the system's temporary folder:
// empty when the test starts, removed when it ends. ctest runs every test in
// a process of its own, and other checkouts may run the same tests at the
// same time, so the name carries the process id as well as the test's name.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& kind)
        : path(std::filesystem::temp_directory_path() /
               ("ortolan-" + kind + "-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path path;
};

// The bytes of a file as they are on disk now; empty when there is none.
inline std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
