// From a heard call to its entity, rule by rule, with calls that the shipped
// country file (hamradio-files 20230502) resolves.

#include "catalogue/callsign_lookup.h"
#include "catalogue/country_file_choice.h"
#include "catalogue/list_callsign.h"
#include "core/line_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qvk {
namespace {

using Outcome = CallLookup::Outcome;

const CountryFile& shipped()
{
    static const CountryFile file = [] {
        auto reading = readCountryFile(std::string(QVK_DATA_DIR) + "/cty.csv");
        EXPECT_TRUE(reading.file) << reading.problem;
        return reading.file ? std::move(reading.file->data) : CountryFile{};
    }();
    return file;
}

// "Japan CQ25 ITU45", or the outcome's name when there is no entity.
std::string where(const CountryFile& file, std::string_view call)
{
    const CallLookup lookup = lookUpCall(file, call);
    switch (lookup.outcome) {
    case Outcome::Entity:
        return file.entityOf(*lookup.location).name + " CQ" + std::to_string(lookup.location->cqZone) + " ITU" +
               std::to_string(lookup.location->ituZone);
    case Outcome::MaritimeMobile:
        return "maritime mobile";
    case Outcome::AeronauticalMobile:
        return "aeronautical mobile";
    case Outcome::NoEntity:
        return "no entity";
    default:
        return "not a callsign";
    }
}

std::string where(std::string_view call) { return where(shipped(), call); }

TEST(CallRule1, BlanksAreTrimmedAndLettersUpperCased)
{
    EXPECT_EQ(where("  ja1abc\t"), "Japan CQ25 ITU45");
    EXPECT_EQ(lookUpCall(shipped(), " vp2e/k1abc ").call, "VP2E/K1ABC");
}

TEST(CallRule1, OnlyLettersAndDigitsInPartsJoinedBySingleSlashes)
{
    for (const char* text :
         {"", "K1 ABC", "K1ABC//P", "/K1ABC", "K1ABC/", "K1-ABC", "K1ABC\xB0", "KABC", "1234", "K1ABCDEFGHIJKLMNOPQRS"})
        EXPECT_EQ(where(text), "not a callsign") << text;
    EXPECT_EQ(where("K1ABCDEFGHIJKLMNOPQR"), "United States CQ5 ITU8");  // 20 characters
    EXPECT_EQ(notACallsignReason("K1 ABC"), "'K1 ABC' is not a callsign: only letters, digits and \"/\" belong in one");
    EXPECT_EQ(notACallsignReason("K1ABC//P"), "'K1ABC//P' is not a callsign: \"/\" only stands between two parts");
    EXPECT_EQ(notACallsignReason("KABC"), "'KABC' is not a callsign: it has no digit");
    EXPECT_EQ(notACallsignReason("1234"), "'1234' is not a callsign: it has no letter");
    EXPECT_EQ(notACallsignReason(std::string(21, 'K')),
              "'" + std::string(21, 'K') + "' is not a callsign: it is longer than 20 characters");
    EXPECT_EQ(notACallsignReason(""), "an empty text is not a callsign");
    EXPECT_EQ(notACallsignReason("K1ABC"), "");
    EXPECT_TRUE(isCallsign(" vp2e/k1abc "));
    EXPECT_FALSE(isCallsign("No Alabama City List"));
}

TEST(CallRules, EachRuleInTheOrderTheyAreTried)
{
    const std::pair<const char*, const char*> heard[] = {
        // an exact call wins with its own zones
        {"3D2EU", "Rotuma Island CQ32 ITU56"},  // not Fiji, which the prefix 3D2 gives
        {"3D2XY", "Fiji CQ32 ITU56"},
        {"VI90ANZAC", "Australia CQ29 ITU58"},  // Australia is CQ30 ITU59
        {"4U1A", "Austria CQ15 ITU28"},         // also on the contest-only Vienna line, skipped
        // an exact call comes before the maritime rule, with its own CQ zone
        {"N2NL/MM", "United States CQ7 ITU8"},
        {"NQ4I/AM", "United States CQ5 ITU8"},
        {"W1AW/KG4", "Guantanamo Bay CQ8 ITU11"},
        // maritime and aeronautical mobile have no entity
        {"K1ABC/MM", "maritime mobile"},
        {"JA1ABC/AM", "aeronautical mobile"},
        {"K1ABC/MM/P", "maritime mobile"},  // /P does not hide the /MM
        {"MM0ABC", "Scotland CQ14 ITU27"},  // MM as a prefix is Scotland
        // how the station operates does not move it (and see below)
        {"3D2EU/P", "Rotuma Island CQ32 ITU56"},  // what remains is an exact call
        {"3D2EU/QRP/P", "Rotuma Island CQ32 ITU56"},
        {"3D2XY/P", "Fiji CQ32 ITU56"},
        // a digit alone replaces the area digit
        {"K1ABC/0", "United States CQ4 ITU7"},  // as K0ABC
        {"VE7ABC/3", "Canada CQ4 ITU4"},        // as VE3ABC
        {"UA9ABC/3", "European Russia CQ16 ITU29"},
        {"UA3ABC/9", "Asiatic Russia CQ17 ITU30"},
        // the shortest part names the country
        {"VP2E/K1ABC", "Anguilla CQ8 ITU11"},
        {"K1ABC/VP2E", "Anguilla CQ8 ITU11"},
        {"W1AW/KH6", "Hawaii CQ31 ITU61"},
        {"KH6/W1AW", "Hawaii CQ31 ITU61"},
        {"EA8/DL1ABC/P", "Canary Islands CQ33 ITU36"},
        {"EA8/DL1", "Canary Islands CQ33 ITU36"},  // a tie: the first part
        {"DL1/EA8", "Fed. Rep. of Germany CQ14 ITU28"},
        {"KH6/W1AW/4", "Hawaii CQ31 ITU61"},  // the designator decides, not the digit
        // the longest prefix with its overrides
        {"KH6ABC", "Hawaii CQ31 ITU61"},  // KH6 before K
        {"VP2EAB", "Anguilla CQ8 ITU11"},
        {"VE3ABC", "Canada CQ4 ITU4"},  // the prefix VE3 carries (4)[4]
        {"VE1ABC", "Canada CQ5 ITU9"},
        {"IT9ABC", "Italy CQ15 ITU28"},  // Sicily's line counts only in contests
        // KG4 is Guantanamo only with two letters after it
        {"KG4AB", "Guantanamo Bay CQ8 ITU11"},
        {"KG4AB/P", "Guantanamo Bay CQ8 ITU11"},
        {"KG4ABC", "United States CQ5 ITU8"},
        {"KG4A", "United States CQ5 ITU8"},
        {"KG4A1", "United States CQ5 ITU8"},
        {"K1ABC/KG4", "Guantanamo Bay CQ8 ITU11"},  // a designator is no whole call
        {"KG4AC", "Guantanamo Bay CQ8 ITU11"},      // an exact call of the file
        // nothing matched is no entity
        {"Q1ABC", "no entity"},
        {"1B1AB", "no entity"},
    };
    for (const auto& [call, expected] : heard) EXPECT_EQ(where(call), expected) << call;
    for (const char* call : {"K1ABC/P", "K1ABC/M", "K1ABC/QRP", "K1ABC/QRPP", "K1ABC/A", "K1ABC/LH", "K1ABC/P/QRP"})
        EXPECT_EQ(where(call), "United States CQ5 ITU8") << call;  // /P is not North Korea's prefix P

    // W1AW/4 lands where W4AW does; 3D2's area digit is the 2, not the 3 that opens the call
    EXPECT_EQ(lookUpCall(shipped(), "W1AW/4").location, lookUpCall(shipped(), "W4AW").location);
    EXPECT_EQ(where("3D2XY/5"), where("3D5XY"));
}

TEST(CallFile, AFirstOccurrenceInTheShippedFileStaysFirst)
{
    // the shipped file followed by a line that claims Japan's prefix and an exact call of Anguilla
    std::ifstream in(std::string(QVK_DATA_DIR) + "/cty.csv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf() << "ZZ,Testland,999,EU,1,1,1.00,1.00,0.0,JA =W1AW/KG4;\n";
    auto parsed = parseCountryFile(splitLines(text.str(), text.str().size()));  // alias lines whole
    ASSERT_TRUE(std::holds_alternative<CountryFile>(parsed));
    const CountryFile& file = std::get<CountryFile>(parsed);
    EXPECT_EQ(where(file, "JA1ABC"), "Japan CQ25 ITU45");
    EXPECT_EQ(where(file, "W1AW/KG4"), "Guantanamo Bay CQ8 ITU11");
}

TEST(ListCallsign, AnEntityGivesItsPositionAndStatusText)
{
    const auto japan = callsignOfListText(shipped(), "ja1abc");
    ASSERT_TRUE(japan);
    EXPECT_EQ(japan->statusText, "JA1ABC  Japan (AS CQ25 ITU45)");
    EXPECT_DOUBLE_EQ(static_cast<double>(japan->position.latitude), 36.40);
    EXPECT_DOUBLE_EQ(static_cast<double>(japan->position.longitude), -138.38);  // east is negative
    EXPECT_EQ(japan->warning, "");

    const auto anguilla = callsignOfListText(shipped(), "vp2e/k1abc");
    ASSERT_TRUE(anguilla);
    EXPECT_EQ(anguilla->statusText, "VP2E/K1ABC  Anguilla (NA CQ8 ITU11)");
    EXPECT_DOUBLE_EQ(static_cast<double>(anguilla->position.longitude), 63.00);

    // the zones are those of the call, not of the entity
    EXPECT_EQ(callsignOfListText(shipped(), "VE3ABC")->statusText, "VE3ABC  Canada (NA CQ4 ITU4)");
}

TEST(ListCallsign, NoEntityGivesItsWarning)
{
    EXPECT_EQ(callsignOfListText(shipped(), "Q1ABC")->warning, "No DXCC entity for Q1ABC.");
    EXPECT_EQ(callsignOfListText(shipped(), "k1abc/mm")->warning, "K1ABC/MM is maritime mobile: no DXCC entity.");
    EXPECT_EQ(callsignOfListText(shipped(), "K1ABC/AM")->warning, "K1ABC/AM is aeronautical mobile: no DXCC entity.");
    EXPECT_EQ(callsignOfListText(shipped(), "K1ABC/AM")->statusText, "");
}

TEST(ListCallsign, WithoutACountryFileACallsignHasNoPositionAndSaysWhy)
{
    const auto callsign = callsignWithoutCountryFile(" ja1abc");
    ASSERT_TRUE(callsign);
    EXPECT_EQ(callsign->warning, "Without a country file JA1ABC has no position.");
    EXPECT_EQ(callsign->statusText, "");
    EXPECT_FALSE(callsignWithoutCountryFile("No Alabama City List"));
}

TEST(ListCallsign, OtherListTextsAreNoCallsigns)
{
    for (const char* text : {"No Alabama City List", "Click on a state or dxcc first.", "DXCC sorted by prefix.",
                             "Birmingham  N\xB0"
                             "33.31\\W\xB0"
                             "86.48",
                             ""})
        EXPECT_FALSE(callsignOfListText(shipped(), text)) << text;
}

}  // namespace
}  // namespace qvk
