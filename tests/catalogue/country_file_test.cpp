// Reading AD1C's country file: the shipped one whole, and small files that
// show each part of the format and each way a file can be damaged.

#include "catalogue/country_file.h"
#include "catalogue/country_file_choice.h"
#include "core/line_file.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

std::variant<CountryFile, CountryFileFault> parse(std::string_view text) { return parseCountryFile(splitLines(text)); }

CountryFile parsed(std::string_view text)
{
    auto result = parse(text);
    if (const auto* fault = std::get_if<CountryFileFault>(&result)) {
        ADD_FAILURE() << countryFileMessage("test", *fault);
        return {};
    }
    return std::get<CountryFile>(std::move(result));
}

CountryFileFault fault(std::string_view text)
{
    auto result = parse(text);
    if (const auto* found = std::get_if<CountryFileFault>(&result)) return *found;
    ADD_FAILURE() << "parsed: " << text;
    return {};
}

const CountryLocation& prefixLocation(const CountryFile& file, std::string_view prefix)
{
    return file.locations.at(file.prefixes.find(prefix)->second);
}

const CountryLocation& exactLocation(const CountryFile& file, std::string_view call)
{
    return file.locations.at(file.exactCalls.find(call)->second);
}

TEST(CountryFile, TheShippedFileHasItsVersionAndFigures)
{
    const auto reading = readCountryFile(std::string(QVK_DATA_DIR) + "/cty.csv");
    ASSERT_TRUE(reading.file) << reading.problem;
    const CountryFile& file = reading.file->data;
    EXPECT_EQ(file.version, "20230502");
    EXPECT_EQ(file.entities.size(), 340u);  // 346 lines, 6 of them contest-only
    EXPECT_EQ(file.exactCalls.size(), 18471u);
    EXPECT_EQ(file.prefixes.size(), 7719u);
    EXPECT_EQ(file.longestPrefix, 5u);
    EXPECT_FALSE(file.exactCalls.contains("VER20230502"));  // the version is no call
    EXPECT_TRUE(file.exactCalls.contains("VERSION"));       // but a word that merely starts alike is

    const CountryLocation& us = prefixLocation(file, "K");
    const CountryEntity& entity = file.entityOf(us);
    EXPECT_EQ(entity.primaryPrefix, "K");
    EXPECT_EQ(entity.name, "United States");
    EXPECT_EQ(entity.dxcc, 291);
    EXPECT_EQ(us.continent, "NA");
    EXPECT_EQ(us.cqZone, 5);
    EXPECT_EQ(us.ituZone, 8);
    EXPECT_DOUBLE_EQ(us.latitude, 37.60);
    EXPECT_DOUBLE_EQ(us.longitude, 91.87);  // west positive, as the file writes it
    EXPECT_DOUBLE_EQ(us.utcOffset, 5.0);
    // thousands of tokens share a few overridden locations
    EXPECT_LT(file.locations.size(), 2000u);
}

TEST(CountryFile, TokensCarryTheirOverrides)
{
    const CountryFile file = parsed("XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,"
                                    "XX XX1(15)[29] =XX2AB<-12.5/170.25>{OC}~-11.5~ =XX3AB(16);\n");
    const CountryLocation& own = prefixLocation(file, "XX");
    EXPECT_EQ(own.cqZone, 14);

    const CountryLocation& zones = prefixLocation(file, "XX1");
    EXPECT_EQ(zones.cqZone, 15);
    EXPECT_EQ(zones.ituZone, 29);
    EXPECT_EQ(zones.continent, "EU");

    const CountryLocation& moved = exactLocation(file, "XX2AB");
    EXPECT_DOUBLE_EQ(moved.latitude, -12.5);
    EXPECT_DOUBLE_EQ(moved.longitude, 170.25);
    EXPECT_EQ(moved.continent, "OC");
    EXPECT_DOUBLE_EQ(moved.utcOffset, -11.5);
    EXPECT_EQ(moved.cqZone, 14);  // what the token leaves alone stays the entity's

    EXPECT_EQ(exactLocation(file, "XX3AB").cqZone, 16);
    EXPECT_EQ(exactLocation(file, "XX3AB").ituZone, 28);
}

TEST(CountryFile, TheFirstOccurrenceOfACallOrPrefixWins)
{
    const CountryFile file = parsed("AA,First,1,EU,1,1,10.00,10.00,0.0,AA =AA1X;\n"
                                    "BB,Second,2,AS,2,2,20.00,20.00,0.0,BB AA =AA1X(9) =BB1X;\n"
                                    "CC,Third,3,AF,3,3,30.00,30.00,0.0,=BB1X AA(5);\n");
    EXPECT_EQ(file.entityOf(prefixLocation(file, "AA")).name, "First");
    EXPECT_EQ(prefixLocation(file, "AA").cqZone, 1);
    EXPECT_EQ(file.entityOf(exactLocation(file, "AA1X")).name, "First");
    EXPECT_EQ(file.entityOf(exactLocation(file, "BB1X")).name, "Second");
}

TEST(CountryFile, ContestOnlyLinesAreSkippedWhole)
{
    // the line may even be damaged: nothing of it is read
    const CountryFile file = parsed("*IT9,Sicily,248,EU,15,28,37.50,-14.00,-1.0,IT9 =IT9ABC;\n"
                                    "*XX,broken\n"
                                    "I,Italy,248,EU,15,28,42.82,-12.58,-1.0,I =IT9ABC;\n");
    EXPECT_EQ(file.entities.size(), 1u);
    EXPECT_FALSE(file.prefixes.contains("IT9"));
    EXPECT_EQ(file.entityOf(exactLocation(file, "IT9ABC")).name, "Italy");
}

TEST(CountryFile, VersionBlankLinesAndLetterCase)
{
    const CountryFile file =
        parsed("\r\nXX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,  xx   =VER20240110 =xx1ab =ver20250101 ;\r\n\r\n");
    EXPECT_EQ(file.version, "20240110");
    EXPECT_TRUE(file.prefixes.contains("XX"));
    EXPECT_TRUE(file.exactCalls.contains("XX1AB"));
    EXPECT_TRUE(file.exactCalls.contains("VER20250101"));  // the version is written in capitals
    EXPECT_EQ(file.exactCalls.size(), 2u);
    EXPECT_EQ(parsed("XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX;").version, "");
}

TEST(CountryFile, TheVersionIsFoundWithoutParsingAsParsingFindsIt)
{
    std::string problem;
    const auto shipped = readCountryFileLines(std::string(QVK_DATA_DIR) + "/cty.csv", problem);
    ASSERT_TRUE(shipped) << problem;
    EXPECT_EQ(countryFileVersion(*shipped), "20230502");
    // a contest-only line's token, a text that only looks alike, and a version before the ";"
    EXPECT_EQ(
        countryFileVersion(splitLines("*XX,Contest,1,EU,1,1,1,1,0,=VER20990101;\n"
                                      "YY,Examplia,2,EU,1,1,1,1,0,YY =VERSION X=VER20230101 =VER2024 =VER20240110(5);\n"
                                      "ZZ,Later,3,EU,1,1,1,1,0,ZZ =VER20250101;\n")),
        "20240110");
    EXPECT_EQ(countryFileVersion(splitLines("XX,Examplia,2,EU,1,1,1,1,0,XX =VER20240110;")), "20240110");
    EXPECT_EQ(countryFileVersion(splitLines("XX,Examplia,2,EU,1,1,1,1,0,XX;")), "");
    EXPECT_EQ(countryFileVersion({}), "");
}

TEST(CountryFile, ADamagedFileNamesItsLineAndWhatIsWrong)
{
    const std::string good = "XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX;\n";
    struct Case {
        std::string text;
        std::size_t line;
        std::string problem;
    };
    const Case cases[] = {
        {"", 1, "the file is empty"},
        {"\n  \r\n", 1, "the file is empty"},
        {"*XX,Contest only,1,EU,1,1,1,1,0,XX;\n", 1, "the file names no DXCC entity"},
        {good + "YY,Short line,998,EU,14,28\n", 2, "6 fields where 10 belong"},
        {good + good + "YY,Cut,998,EU,14,28,50.00,-10.00,-1.0,YY YY1", 3, "the alias list does not end with \";\""},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX;,\n", 1, "11 fields where 10 belong"},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX; YY;\n", 1, "text after the \";\" that ends the alias list"},
        {"XX,Examplia,nine,EU,14,28,50.00,-10.00,-1.0,XX;\n", 1, "the DXCC number 'nine' is not a whole number"},
        {"XX,Examplia,999,EU,14,28,95.00,-10.00,-1.0,XX;\n", 1, "the latitude '95.00' is not a number from -90 to 90"},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX(14;\n", 1, "token 'XX(14' has an unreadable override"},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,XX[x];\n", 1, "the ITU zone 'x' is not a whole number"},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,=XX1<5>;\n", 1, "token '=XX1<5>' has a position without \"/\""},
        {"XX,Examplia,999,EU,14,28,50.00,-10.00,-1.0,= XX;\n", 1, "token '=' names no call or prefix"},
    };
    for (const Case& c : cases) {
        const CountryFileFault found = fault(c.text);
        EXPECT_EQ(found.line, c.line) << c.text;
        EXPECT_EQ(found.problem, c.problem) << c.text;
    }
    EXPECT_EQ(countryFileMessage("/home/op/cty.csv", {2, "6 fields where 10 belong"}),
              "Country file /home/op/cty.csv, line 2: 6 fields where 10 belong.");
}

}  // namespace
}  // namespace qvk
