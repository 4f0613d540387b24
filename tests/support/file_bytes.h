#pragma once
// A file's bytes as they are on disk, for tests that check what was written.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
