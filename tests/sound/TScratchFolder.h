#pragma once
// A folder of one test's own, removed with everything in it when the test
// ends; named after the test and the process, so parallel runs never share one.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

class TScratchFolder {
public:
    TScratchFolder() { std::filesystem::create_directories(Folder); }
    ~TScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

    // Writes bytes as the file name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Folder + name, std::ios::binary) << bytes;
        return Folder + name;
    }

    const std::string Folder = testing::TempDir() + "tolm-" +
                               testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                               std::to_string(getpid()) + "/";
};
