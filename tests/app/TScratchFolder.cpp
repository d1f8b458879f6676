#include "TScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

TScratchFolder::TScratchFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name)
        if (c == '/')
            c = '.'; // parameterised tests have slashes in their names
    FPath = testing::TempDir() + "tolm-" + name + "-" + std::to_string(getpid()) + "/";
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
}

TScratchFolder::~TScratchFolder()
{
    std::error_code error;
    std::filesystem::remove_all(FPath, error);
}

std::string TScratchFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::string path = FPath + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(file.flush()) << "cannot write " << path;
    return path;
}
