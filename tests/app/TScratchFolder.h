#pragma once
// A folder of one test's own, for the effect files it makes and the sound it
// records; removed with everything in it when the test ends.

#include <string>

class TScratchFolder {
public:
    // Named after the running test and the process, so parallel runs never share one.
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    // The folder's path, ending with '/'.
    const std::string& Folder() const { return FPath; }
    // Writes bytes as the file name in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string FPath;
};
