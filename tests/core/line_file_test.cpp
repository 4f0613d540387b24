#include "core/line_file.h"
#include "support/scratch_folder.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <fstream>

namespace qvk {
namespace {

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

class ReadLineFile : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes)
    {
        const auto path = folder.path / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    ScratchFolder folder{"qvk-line-file-test"};
};

TEST(SplitLines, AcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("N°32"_cp1252), (std::vector<std::string>{"N°32"_cp1252}));  // bytes pass untouched
}

TEST_F(ReadLineFile, ACrLfSplitBetweenTwoReadBlocksIsOneLineEnd)
{
    // 642 lines of 102 bytes, then 51 bytes: the CR is the last byte of the first 64 KiB block
    std::string bytes;
    for (int i = 0; i < 642; ++i) bytes += std::string(100, 'x') + "\r\n";
    bytes += std::string(51, 'y') + "\r\nz";
    ASSERT_EQ(bytes[65535], '\r');
    const auto reading = readLineFile(write("blocks.txt", bytes));
    ASSERT_EQ(reading.lines.size(), 644u);
    EXPECT_EQ(reading.lines[642], std::string(51, 'y'));
    EXPECT_EQ(reading.lines[643], "z");
}

TEST_F(ReadLineFile, AUtf8EditorsDegreeSignAndByteOrderMarkReadAsTheProgramsOwn)
{
    // what a UTF-8 editor saves for "0010 / W°86.43 / N°32.39"
    const auto reading = readLineFile(write("prefs.qvk", "\xEF\xBB\xBF"
                                                         "0010\r\nW\xC2\xB0"
                                                         "86.43\r\nN°32.39\r\n"));
    EXPECT_EQ(reading.lines, (std::vector<std::string>{"0010", "W°86.43"_cp1252, "N°32.39"_cp1252}));
    // the program's own Windows-1252 bytes are left as they are
    EXPECT_EQ(readLineFile(write("CO.txt", "Ca\xF1on City N\xB0"
                                           "38.26\r\n"))
                  .lines,
              (std::vector<std::string>{"Ca\xF1on City N\xB0"
                                        "38.26"}));
}

TEST_F(ReadLineFile, AnOverLongLineIsCutAndReportedOnceByFileAndLine)
{
    const auto path = write("AL.txt", "Mobile N°30.41\\W°88.02\r\n"_cp1252 + std::string(10 << 20, 'A') +
                                          "\r\nnext\r\n" + std::string(5000, 'B'));
    const auto reading = readLineFile(path);
    ASSERT_EQ(reading.lines.size(), 4u);
    EXPECT_EQ(reading.lines[1], std::string(kLongestLine, 'A'));
    EXPECT_EQ(reading.lines[2], "next");
    EXPECT_EQ(reading.lines[3].size(), kLongestLine);
    EXPECT_EQ(cutLinesMessage("AL.txt", reading),
              "AL.txt, line 2: longer than 4096 characters; cut (and 1 more line).");
    EXPECT_FALSE(cutLinesMessage("AL.txt", readLineFile(write("fine.txt", std::string(kLongestLine, 'C')))));
}

TEST_F(ReadLineFile, AFiftyMegabyteLineCostsNoMoreThanAFewMegabytes)
{
    // found by hostile files: a 50 MB host line in rotator.qvk peaked at 2 GB
    const auto path = folder.path / "rotator.qvk";
    {
        std::ofstream file(path, std::ios::binary);
        file << "1\r\n";
        const std::string megabyte(1 << 20, 'h');
        for (int i = 0; i < 50; ++i) file << megabyte;
        file << "\r\n4533\r\n1\r\n";
    }
    const long before = peakMegabytes();
    const auto reading = readLineFile(path);
    EXPECT_LT(peakMegabytes() - before, 16);
    ASSERT_EQ(reading.lines.size(), 4u);
    EXPECT_EQ(reading.lines[1].size(), kLongestLine);
    EXPECT_EQ(reading.lines[2], "4533");
    EXPECT_EQ(reading.firstCutLine, 2u);
}

TEST_F(ReadLineFile, AFileOfEndlessEmptyLinesStopsAtTheLineLimit)
{
    const auto reading = readLineFile(write("states.txt", std::string(kMostLines + 5, '\n')));
    EXPECT_EQ(reading.lines.size(), kMostLines);
    EXPECT_TRUE(reading.tooManyLines);
    EXPECT_EQ(cutLinesMessage("states.txt", reading), "states.txt: more than 100000 lines; the rest was not read.");
}

TEST_F(ReadLineFile, AMissingFileIsToldApartFromOneThatCannotBeRead)
{
    const auto missing = readLineFile(folder.path / "does-not-exist.txt");
    EXPECT_EQ(missing.status, LineFileReading::Status::Missing);
    EXPECT_EQ(readingMessage("states.txt", missing), "Cannot open file states.txt.");

    std::filesystem::create_directory(folder.path / "prefs.qvk");
    const auto folderInstead = readLineFile(folder.path / "prefs.qvk");
    EXPECT_EQ(folderInstead.status, LineFileReading::Status::Unreadable);
    EXPECT_EQ(folderInstead.reason, "Is a directory");
    EXPECT_EQ(readingMessage("prefs.qvk", folderInstead), "Cannot read file prefs.qvk: Is a directory.");

    // a FIFO in the file's place must not wait for a writer
    ASSERT_EQ(mkfifo((folder.path / "tms.qvk").c_str(), 0644), 0);
    const auto fifo = readLineFile(folder.path / "tms.qvk");
    EXPECT_EQ(fifo.status, LineFileReading::Status::Unreadable);
    EXPECT_EQ(fifo.reason, "Not a regular file");
}

}  // namespace
}  // namespace qvk
