// Which of the operator's, the system's and the shipped country file the
// program takes: the newest that reads, whatever order they come in.

#include "catalogue/country_file_choice.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace qvk {
namespace {

namespace fs = std::filesystem;

class CountryFileChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("qvk-cty-choice-" + std::to_string(getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A one-entity file named after its entity, with a version when one is given.
    fs::path write(const std::string& name, const std::string& version, const std::string& extra = {})
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << name << "," << name << ",1,EU,1,1,10.00,10.00,0.0,XX"
                                              << (version.empty() ? "" : " =VER" + version) << ";\r\n"
                                              << extra;
        return path;
    }

    static std::string chosenName(const CountryFileChoice& choice)
    {
        return choice.file ? choice.file->data.entities.at(0).name : "none";
    }

    fs::path folder_;
};

TEST_F(CountryFileChoiceTest, TheNewestVersionWinsWhereverItStands)
{
    const auto older = write("operator", "20240101");
    const auto newest = write("system", "20250101");
    const auto oldest = write("shipped", "20230502");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({older, newest, oldest})), "system");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({newest, oldest, older})), "system");
    const auto choice = chooseNewestCountryFile({older, oldest, newest});
    EXPECT_EQ(choice.file->path, newest);
    EXPECT_TRUE(choice.problems.empty());
}

TEST_F(CountryFileChoiceTest, OnEqualVersionsTheEarlierCandidateAndAFileWithoutVersionIsOldest)
{
    const auto first = write("first", "20240101");
    const auto second = write("second", "20240101");
    const auto unversioned = write("unversioned", "");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({first, second})), "first");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({second, first})), "second");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({unversioned, first})), "first");
    EXPECT_EQ(chosenName(chooseNewestCountryFile({unversioned})), "unversioned");
}

TEST_F(CountryFileChoiceTest, ADamagedFileIsReportedAndTheNextOneUsed)
{
    const auto damaged = write("damaged", "20260101", "YY,Short line\r\n");
    const auto missingSemicolon = folder_ / "semicolon";
    std::ofstream(missingSemicolon) << "ZZ,Cut,2,EU,1,1,1.00,1.00,0.0,ZZ =VER20270101\n";
    const auto good = write("good", "20230502");

    const auto choice = chooseNewestCountryFile({good, damaged, missingSemicolon});
    EXPECT_EQ(chosenName(choice), "good");
    ASSERT_EQ(choice.problems.size(), 2u);
    EXPECT_EQ(choice.problems[0],
              "Country file " + missingSemicolon.string() + ", line 1: the alias list does not end with \";\".");
    EXPECT_EQ(choice.problems[1], "Country file " + damaged.string() + ", line 2: 2 fields where 10 belong.");
    EXPECT_EQ(countryFileChoiceReport(choice), choice.problems[0] + "\n" + choice.problems[1] +
                                                   "\nCallsigns are looked up in " + good.string() + " instead.");

    const auto empty = folder_ / "empty";
    std::ofstream{empty};
    const auto onlyEmpty = chooseNewestCountryFile({empty});
    EXPECT_FALSE(onlyEmpty.file);
    ASSERT_EQ(onlyEmpty.problems.size(), 1u);
    EXPECT_EQ(onlyEmpty.problems[0], "Country file " + empty.string() + ", line 1: the file is empty.");
    EXPECT_EQ(countryFileChoiceReport(onlyEmpty), onlyEmpty.problems[0] + "\nCallsigns cannot be looked up.");
}

TEST_F(CountryFileChoiceTest, LongAliasListsAreReadWholeAndAHugeFileIsPassedOver)
{
    // an entity's aliases fill one line of tens of kilobytes, far beyond the
    // bound on a line of the program's own files; the version stands at its end
    std::string aliases;
    for (int i = 0; i < 20'000; ++i) aliases += " =K" + std::to_string(i) + "AA";
    const auto longLines = folder_ / "long";
    std::ofstream(longLines) << "K,United States,291,NA,5,8,37.60,91.87,5.0,K" << aliases << " =VER20260101;\n";
    const auto huge = folder_ / "huge";
    std::ofstream{huge};
    fs::resize_file(huge, std::uintmax_t{17} << 20);  // sparse: no disk space used
    const auto shipped = write("shipped", "20230502");

    const auto choice = chooseNewestCountryFile({huge, longLines, shipped});
    EXPECT_EQ(chosenName(choice), "United States");
    EXPECT_EQ(choice.file->data.exactCalls.size(), 20'000u);
    ASSERT_EQ(choice.problems.size(), 1u);
    EXPECT_EQ(choice.problems[0], "Country file " + huge.string() + ": larger than 16 MB; not read.");
    EXPECT_EQ(readCountryFile(huge).problem, choice.problems[0]);
}

TEST_F(CountryFileChoiceTest, AnOlderFileIsNotParsedOnceANewerOneReads)
{
    // what costs start-up time is parsing: the shipped file is not checked
    // while the operator's newer copy reads
    const auto newer = write("operator", "20240101");
    const auto olderDamaged = write("shipped", "20230502", "YY,Short line\r\n");
    const auto choice = chooseNewestCountryFile({newer, olderDamaged});
    EXPECT_EQ(chosenName(choice), "operator");
    EXPECT_TRUE(choice.problems.empty());
    EXPECT_EQ(countryFileChoiceReport(choice), "");
}

TEST_F(CountryFileChoiceTest, MissingFilesArePassedOverAndAPathIsReadOnce)
{
    const auto shipped = write("shipped", "20230502");
    const auto choice = chooseNewestCountryFile({folder_ / "absent.csv", shipped, folder_ / "." / "shipped"});
    EXPECT_EQ(chosenName(choice), "shipped");
    EXPECT_TRUE(choice.problems.empty());

    const auto nothing = chooseNewestCountryFile({folder_ / "absent.csv"});
    EXPECT_FALSE(nothing.file);
    EXPECT_TRUE(nothing.problems.empty());
}

TEST_F(CountryFileChoiceTest, AFolderInPlaceOfAFileCannotBeReadAndSaysWhy)
{
    fs::create_directories(folder_ / "cty.csv");
    const auto choice = chooseNewestCountryFile({folder_ / "cty.csv"});
    EXPECT_FALSE(choice.file);
    ASSERT_EQ(choice.problems.size(), 1u);
    EXPECT_EQ(choice.problems[0], "Cannot read file " + (folder_ / "cty.csv").string() + ": Is a directory.");
}

TEST(CountryFileCandidates, OperatorsCopyThenTheSystemsThenTheShippedOne)
{
    const auto candidates = countryFileCandidates("/home/op/.config/qvk", "/opt/qvk");
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(candidates[0], fs::path("/home/op/.config/qvk/cty.csv"));
    EXPECT_EQ(candidates[1], fs::path("/usr/share/hamradio-files/cty.csv"));
    EXPECT_EQ(candidates[2], fs::path("/opt/qvk/cty.csv"));
}

}  // namespace
}  // namespace qvk
