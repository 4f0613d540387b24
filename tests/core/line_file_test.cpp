#include "core/line_file.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qvk {
namespace {

std::filesystem::path scratch(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / "qvk-line-file-test";
    std::filesystem::create_directories(folder);
    return folder / name;
}

std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(SplitLines, AcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("N°32"_cp1252), (std::vector<std::string>{"N°32"_cp1252}));  // bytes pass untouched
}

TEST(WriteLinesAtomically, WritesCrLfAndReadsBack)
{
    const auto path = scratch("round-trip.txt");
    ASSERT_TRUE(writeLinesAtomically(path, {"first", "", "N°29.18"_cp1252}));
    EXPECT_EQ(bytesOf(path), "first\r\n\r\nN°29.18\r\n"_cp1252);
    EXPECT_EQ(readLines(path), (std::vector<std::string>{"first", "", "N°29.18"_cp1252}));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".new"));
}

TEST(WriteLinesAtomically, AFailedWriteLeavesTheOldFile)
{
    const auto path = scratch("kept.txt");
    ASSERT_TRUE(writeLinesAtomically(path, {"old"}));
    // the temporary name is taken by a folder, so the new file cannot be written
    std::filesystem::create_directories(path.string() + ".new");
    EXPECT_FALSE(writeLinesAtomically(path, {"new"}));
    EXPECT_EQ(bytesOf(path), "old\r\n");
    std::filesystem::remove_all(path.string() + ".new");
}

TEST(ReadLines, AMissingFileOrAFolderIsNotAFile)
{
    EXPECT_FALSE(readLines(scratch("does-not-exist.txt")));
    EXPECT_FALSE(readLines(std::filesystem::temp_directory_path()));
}

}  // namespace
}  // namespace qvk
