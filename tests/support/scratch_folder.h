#pragma once
// A fresh, empty folder for one test's files, removed when the test ends. Its
// name carries the process id, so that tests run in parallel never share one.

#include <unistd.h>

#include <filesystem>
#include <string>

struct ScratchFolder {
    explicit ScratchFolder(const std::string& name,
                           const std::filesystem::path& under = std::filesystem::temp_directory_path())
        : path(under / (name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path path;
};
