// rotctld's replies as the client reads them: where a reply ends, what its
// "RPRT n" means, and the position lines of "p".

#include "rotator/hamlib_errors.h"
#include "rotator/rotctld_protocol.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qvk::rotator {
namespace {

using Lines = std::vector<std::string>;

TEST(RotctldCommands, TurnWritesTwoDecimalsWithAPointWhateverTheLocale)
{
    EXPECT_EQ(setPositionCommand(224.24, 0).text, "P 224.24 0.00\n");
    EXPECT_EQ(setPositionCommand(-135.755, 0).text, "P -135.76 0.00\n");
    EXPECT_EQ(getPositionCommand().text, "p\n");
    EXPECT_EQ(stopCommand().text, "S\n");
    EXPECT_EQ(dumpCapsCommand().text, "\\dump_caps\n");
}

struct ReportLine {
    const char* line;
    std::optional<int> code;
};

void PrintTo(const ReportLine& report, std::ostream* out)
{
    std::string shown;
    for (const char c : std::string(report.line)) shown += c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    *out << '"' << shown << '"';
}

class ReportLines : public ::testing::TestWithParam<ReportLine> {};

TEST_P(ReportLines, ReadTheirCode) { EXPECT_EQ(reportCode(GetParam().line), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(Replies, ReportLines,
                         ::testing::Values(ReportLine{"RPRT 0", 0}, ReportLine{"RPRT -1", -1},
                                           ReportLine{"RPRT -11\r", -11},  // a daemon that ends lines with CR LF
                                           ReportLine{"RPRT", std::nullopt}, ReportLine{"RPRT x", std::nullopt},
                                           ReportLine{"6.01", std::nullopt}, ReportLine{"", std::nullopt},
                                           ReportLine{"Min Azimuth:\t\t-180.00", std::nullopt}));

TEST(RotctldReplies, EndWhereEachCommandsReplyEnds)
{
    // a report is one line
    EXPECT_FALSE(replyComplete(stopCommand(), {}));
    EXPECT_TRUE(replyComplete(stopCommand(), {"RPRT 0"}));
    // a position is two, but a failed read answers one line instead: waiting for a second would hang
    EXPECT_FALSE(replyComplete(getPositionCommand(), {"6.01"}));
    EXPECT_TRUE(replyComplete(getPositionCommand(), {"6.01", "0.00"}));
    EXPECT_TRUE(replyComplete(getPositionCommand(), {"RPRT -5"}));
    // the caps listing ends only at its report line, not at the blank line before it
    EXPECT_FALSE(replyComplete(dumpCapsCommand(), {"Caps dump for model:\t1", "Min Azimuth:\t\t-180.00"}));
    EXPECT_FALSE(replyComplete(dumpCapsCommand(), {"Caps dump for model:\t1", ""}));
    EXPECT_TRUE(replyComplete(dumpCapsCommand(), {"Caps dump for model:\t1", "", "RPRT 0"}));
}

TEST(RotctldReplies, OnlyANonZeroReportIsAnError)
{
    EXPECT_EQ(replyError({"RPRT 0"}), std::nullopt);
    EXPECT_EQ(replyError({"6.01", "0.00"}), std::nullopt);
    EXPECT_EQ(replyError({"RPRT -1"}), -1);
    EXPECT_EQ(replyError({"Caps dump for model:\t1", "RPRT -4"}), -4);
}

TEST(RotctldReplies, APositionReadsBothNumbers)
{
    const auto position = positionFromReply({"6.01", "0.00"});
    ASSERT_TRUE(position);
    EXPECT_DOUBLE_EQ(position->azimuth, 6.01);
    EXPECT_DOUBLE_EQ(position->elevation, 0);
    EXPECT_DOUBLE_EQ(positionFromReply({"-135.80", "12.5"})->azimuth, -135.8);
    EXPECT_EQ(positionFromReply({"6.01"}), std::nullopt);
    EXPECT_EQ(positionFromReply({"Azimuth: 6.01", "0.00"}), std::nullopt);
    EXPECT_EQ(positionFromReply({"6,01", "0,00"}), std::nullopt);  // a comma locale on the daemon's side
}

struct ErrorText {
    int code;
    const char* text;
};

void PrintTo(const ErrorText& error, std::ostream* out) { *out << "RPRT " << error.code; }

class HamlibErrors : public ::testing::TestWithParam<ErrorText> {};

TEST_P(HamlibErrors, ReadAsHamlibWritesThem) { EXPECT_EQ(hamlibErrorText(GetParam().code), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Codes, HamlibErrors,
    ::testing::Values(ErrorText{0, "Command completed successfully"}, ErrorText{-1, "Invalid parameter"},
                      ErrorText{1, "Invalid parameter"}, ErrorText{-4, "Feature not implemented"},
                      ErrorText{-5, "Communication timed out"}, ErrorText{-9, "Command rejected by the rig"},
                      ErrorText{-11, "Feature not available"}, ErrorText{-20, "Rig is not powered on"},
                      ErrorText{-22, "Access denied"}, ErrorText{-99, "Hamlib error 99"}));

}  // namespace
}  // namespace qvk::rotator
