// qvk-calc as a script sees it: the real executable, its output and its exit status.

#include "app/qvk_calc_run.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(Bearing, AlabamaToLondonAsTheDisplayShowsIt)
{
    const Outcome run = qvkCalc({"bearing", "N°32.39\\W°86.43", "N°51.30\\W°0.07"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "bearing=44.2 long-path=224.2 km=7026 mi=4366 even=44\n");
}

TEST(Bearing, TheDegreeSignMayBeTheByteB0OrLeftOut)
{
    const std::string expected = "bearing=251.9 long-path=71.9 km=14699 mi=9134 even=252\n";
    EXPECT_EQ(qvkCalc({"bearing", "N32.39\\W86.43", "S33.52\\E151.13"}).out, expected);
    EXPECT_EQ(qvkCalc({"bearing", "N°32.39\\W°86.43"_cp1252, "s°33.52\\e°151.13"}).out, expected);
}

TEST(Bearing, ALocatorIsTakenAtItsSouthWestCorner)
{
    // EL29 is N°29.00\W°96.00
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "EL29"}).out, qvkCalc({"bearing", "EM72", "N29.00\\W96.00"}).out);
    EXPECT_EQ(qvkCalc({"bearing", "el29ab", "IO91"}).out, qvkCalc({"bearing", "N29.02\\W96.00", "N51.00\\W2.00"}).out);
}

TEST(Bearing, TheEquatorAndTheGreenwichMeridianArePlacesLikeAnyOther)
{
    // a coordinate of exactly 0 once gave bearing=none
    EXPECT_EQ(qvkCalc({"bearing", "N°51.28\\W°0.00", "IO91"}).out,
              "bearing=250.3 long-path=70.3 km=149 mi=93 even=250\n");
    EXPECT_EQ(qvkCalc({"bearing", "FN31", "JO01"}).out, "bearing=52.0 long-path=232.0 km=5592 mi=3475 even=52\n");
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "JJ00"}).out, qvkCalc({"bearing", "EM72", "N0.00\\E0.00"}).out);
}

TEST(Bearing, OnlyAnEmptyPositionHasNoHeadingAndAnInvalidOneGivesTheProgramsWarning)
{
    struct Case {
        const char* home;
        const char* target;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"", "IO91", 0, "bearing=none\n", ""},
        {"EM72", " ", 0, "bearing=none\n", ""},
        {"EZ29", "", 1, "", "Invalid Grid description - Z\n"},  // a position that is given must still be one
        {"EZ29", "IO91", 1, "", "Invalid Grid description - Z\n"},
        {"EL2", "IO91", 1, "", "Grid description must be 4 or 6 characters in length.\n"},
        {"32.39\\W86.43", "IO91", 1, "", "No N° or S° degrees in selected record.\n"},
        {"N32.39\\86.43", "IO91", 1, "", "No W° or E° degrees in selected record.\n"},
        {"N32\\W86.43", "IO91", 1, "", "Invalid degrees: N°32  W°86.43\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = qvkCalc({"bearing", c.home, c.target});
        EXPECT_EQ(run.status, c.status) << c.home << ' ' << c.target;
        EXPECT_EQ(run.out, c.out) << c.home << ' ' << c.target;
        EXPECT_EQ(run.err, c.err) << c.home << ' ' << c.target;
    }
}

TEST(Convert, PrintsTheDecimalPair)
{
    EXPECT_EQ(qvkCalc({"convert", "N°32.39\\W°86.43"}).out, "N°32.65\\W°86.72\n");
    EXPECT_EQ(qvkCalc({"convert", "N10.5\\W20.00"}).out, "N°10.83\\W°20.00\n");
    const Outcome bad = qvkCalc({"convert", "N32.75\\W86.43"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "Invalid degrees: N°32.75  W°86.43\n");
}

TEST(GridAndLocator, ConvertBothWays)
{
    EXPECT_EQ(qvkCalc({"grid", "io91wm"}).out, "N°51.30\\W°0.10\n");
    EXPECT_EQ(qvkCalc({"grid", "EL29AZ"}).err, "Invalid Grid description - Z\n");
    EXPECT_EQ(qvkCalc({"locator", "N°29.18", "W°94.47"}).out, "EL29\n");
    EXPECT_EQ(qvkCalc({"locator", "S33.52", "E151.12"}).out, "QF56\n");
    const Outcome bad = qvkCalc({"locator", "29.18", "W94.47"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "No N° or S° degrees in selected record.\n");
}

TEST(Sun, PrintsBothTimesAndTheFirstRunsNotices)
{
    EXPECT_EQ(qvkCalc({"sun", "48.85", "2.35", "1", "2026-12-07"}).out, "rise=8:31A set=4:54P\n");
    EXPECT_EQ(qvkCalc({"sun", "48.85", "2.35", "1", "2026-12-07", "--military"}).out, "rise=08:31 set=16:54\n");
    EXPECT_EQ(qvkCalc({"sun", "80", "10", "1", "2026-06-21"}).out, "rise= set=\nmessage=Sun up or down all day\n");
    EXPECT_EQ(qvkCalc({"sun", "68", "20", "1", "2026-01-02"}).out, "rise=11:29A set=\nmessage=No sunset this date\n");
    EXPECT_EQ(qvkCalc({"sun", "48.85", "2.35", "1", "2026-02-30"}).status, 64);
}

TEST(Clock, PrintsTheRowTextAndReportsBadOffsets)
{
    EXPECT_EQ(qvkCalc({"clock", "India   [5.5]", "12:00"}).out, "5:30 PM\n");
    EXPECT_EQ(qvkCalc({"clock", "India   [5.5]", "12:00", "--military"}).out, "17: 30\n");
    EXPECT_EQ(qvkCalc({"clock", "India   [5.5]", "12:00", "--dst"}).out, "6:30 PM*\n");

    const Outcome invalid = qvkCalc({"clock", "X [13]", "12:00"});
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.out, "00: 00\n");

    const Outcome fraction = qvkCalc({"clock", "India   [5.50]", "12:00"});
    EXPECT_EQ(fraction.status, 1);
    EXPECT_EQ(fraction.out, "");
    EXPECT_EQ(fraction.err, "Decimal value must be .25, .5, or .75 in - 'India   [5.50]'\n");
}

TEST(Gmt, PrintsTheGmtRow)
{
    EXPECT_EQ(qvkCalc({"gmt", "00:05"}).out, "12: 05 AM\n");
    EXPECT_EQ(qvkCalc({"gmt", "13:05", "--military"}).out, "13: 05\n");
    EXPECT_EQ(qvkCalc({"gmt", "24:00"}).status, 64);
}

TEST(Inverse, PrintsBearingAndDistanceForEachLine)
{
    const Outcome run = qvkCalc({"inverse"}, "32.65 86.72 51.5 0.12\n10 10 10 -20\n0 0 0 0\n");
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    double bearing = 0, distance = 0;
    lines >> bearing >> distance;
    EXPECT_NEAR(bearing, 44.239034550, 1e-8);
    EXPECT_NEAR(distance, 7025963.5036, 1e-3);
    lines >> bearing >> distance;
    EXPECT_NEAR(bearing, 87.335615051, 1e-8);
    EXPECT_NEAR(distance, 3288016.9328, 1e-3);
    // zeros are a place like any other: the same point twice is 0 metres apart
    lines >> bearing >> distance;
    EXPECT_NEAR(distance, 0, 1e-3);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')).size(), std::string("44.239034550 7025963.5036").size());
}

TEST(Inverse, ABadLineIsReportedAndTheRunGoesOn)
{
    const Outcome run = qvkCalc({"inverse"}, "32.65 86.72 51.5 0.12\nhello\n10 10 10\n95 0 10 10\r\n10 10 10 -20");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    EXPECT_NE(run.err.find("line 2: 'hello' is not a number"), std::string::npos);
    EXPECT_NE(run.err.find("line 3: expected 4 numbers"), std::string::npos);
    EXPECT_NE(run.err.find("line 4: latitude"), std::string::npos);
    EXPECT_EQ(run.err.find("line 5"), std::string::npos);  // CR LF and a missing final line end are fine
}

// HOST:PORT on a loopback port that nothing listened on a moment ago. (Turning
// a real rotator is tested against rotctld itself in the rotator tests.)
std::string absentRotator()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

TEST(Rotate, ARotatorThatIsNotThereIsReportedWithStatus3)
{
    const std::string address = absentRotator();
    const Outcome run = qvkCalc({"rotate", "N°32.39\\W°86.43", "IO91", "--rotator", address});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Rotator not reachable at " + address + "\n");
}

TEST(Rotate, NoHeadingTurnsNothingAndSaysWhy)
{
    // the rotator is not even asked: the status is 1, not 3
    const std::string address = absentRotator();
    const Outcome run = qvkCalc({"rotate", "EM72", "", "--long", "--rotator=" + address});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "heading=none\n");
    // found by hostile runs: exit 1 with nothing on standard error, though --help promises a reason
    EXPECT_EQ(run.err, "qvk-calc: nothing to turn to: HOME or TARGET is empty\n");
    const Outcome noHome = qvkCalc({"rotate", "", "IO91", "--rotator", address});
    EXPECT_EQ(noHome.status, 1);
    EXPECT_EQ(noHome.out, "heading=none\n");
    EXPECT_EQ(noHome.err, "qvk-calc: nothing to turn to: HOME or TARGET is empty\n");
    EXPECT_EQ(qvkCalc({"rotate", "EZ29", "IO91", "--rotator", address}).err, "Invalid Grid description - Z\n");
}

TEST(Rotate, TheRotatorIsHostColonPort)
{
    for (const char* bad : {"127.0.0.1", "127.0.0.1:0", "localhost:port", ":4533"}) {
        const Outcome run = qvkCalc({"rotate", "EM72", "IO91", "--rotator", bad});
        EXPECT_EQ(run.status, 64) << bad;
        EXPECT_NE(run.err.find("--rotator takes HOST:PORT"), std::string::npos) << bad;
    }
    EXPECT_EQ(qvkCalc({"rotate", "EM72", "IO91", "--rotator"}).status, 64);
    EXPECT_EQ(qvkCalc({"rotate", "EM72", "IO91", "--short"}).status, 64);
    EXPECT_EQ(qvkCalc({"rotate", "EM72"}).status, 64);
    // a value belongs to --rotator alone
    EXPECT_EQ(qvkCalc({"rotate", "EM72", "IO91", "--long=yes"}).status, 64);
}

TEST(Usage, HelpDocumentsEveryCommandAndBadArgumentsExit64)
{
    const Outcome help = qvkCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"bearing", "call [CALL]", "cty [--cty PATH]", "inverse", "convert", "grid", "locator",
                                "sun", "clock", "gmt", "rotate"})
        EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
    EXPECT_EQ(qvkCalc({}).status, 64);
    EXPECT_EQ(qvkCalc({"frobnicate"}).status, 64);
    EXPECT_EQ(qvkCalc({"bearing", "EL29"}).status, 64);
    EXPECT_EQ(qvkCalc({"gmt", "12:00", "--loud"}).status, 64);
    EXPECT_EQ(qvkCalc({"inverse", "extra"}).status, 64);
}

// A large input for the runs that stop early: many lines of output.
const std::string kManyLines = [] {
    std::string input;
    for (int i = 0; i < 200'000; ++i) input += "10 10 20 20\n";
    return input;
}();

struct CommandRun {
    std::vector<std::string> arguments;
    std::string input;
};

TEST(Output, ThatCannotBeWrittenEndsWithAMessageAndStatus74)
{
    // found by hostile runs: "> /dev/full" and a closed standard output ended with 0
    // every command that writes: one answer, a batch (short and long; call's batch writes the same way),
    // the country file's figures
    const CommandRun runs[] = {{{"bearing", "EM72", "IO91"}, ""},
                               {{"inverse"}, "10 10 20 20\n"},
                               {{"inverse"}, kManyLines},
                               {{"call", "K1ABC"}, ""},
                               {{"cty"}, ""}};
    for (const CommandRun& run : runs) {
        const Outcome full = qvkCalcWith(run.arguments, Streams{.input = run.input, .outputTo = "/dev/full"});
        EXPECT_EQ(full.status, 74) << run.arguments[0] << ' ' << run.input.size();
        EXPECT_EQ(full.err, "qvk-calc: cannot write standard output: No space left on device\n") << run.arguments[0];
    }
    const Outcome closed = qvkCalcWith({"--help"}, Streams{.closeOutput = true});
    EXPECT_EQ(closed.status, 74);
    EXPECT_EQ(closed.err, "qvk-calc: cannot write standard output: Bad file descriptor\n");
}

TEST(Output, AReaderThatGoesAwayEndsTheRunQuietlyAsOtherToolsEnd)
{
    const Outcome run = qvkCalcWith({"inverse"}, Streams{.input = kManyLines, .readOneLineAndStop = true});
    EXPECT_EQ(run.out, "317.007045112 1541856.4339");
    EXPECT_EQ(run.signal, SIGPIPE);
    EXPECT_EQ(run.err, "");

    // the same where SIGPIPE is ignored, as under some shells and services
    std::signal(SIGPIPE, SIG_IGN);
    const Outcome ignoring = qvkCalcWith({"inverse"}, Streams{.input = kManyLines, .readOneLineAndStop = true});
    std::signal(SIGPIPE, SIG_DFL);
    EXPECT_EQ(ignoring.signal, SIGPIPE);
    EXPECT_EQ(ignoring.err, "");
}

TEST(Input, ThatCannotBeReadEndsWithAMessageAndStatus74)
{
    // found by hostile runs: "< /tmp" ended with 0 and no word (call's batch reads the same way)
    const Outcome folder = qvkCalcWith({"inverse"}, Streams{.inputFrom = std::filesystem::temp_directory_path()});
    EXPECT_EQ(folder.status, 74);
    EXPECT_EQ(folder.err, "qvk-calc: cannot read standard input: Is a directory\n");
    const Outcome closed = qvkCalcWith({"inverse"}, Streams{.closeInput = true});
    EXPECT_EQ(closed.status, 74);
    EXPECT_EQ(closed.err, "qvk-calc: cannot read standard input: Bad file descriptor\n");
    // the commands that read no input do not mind
    EXPECT_EQ(qvkCalcWith({"gmt", "00:05"}, Streams{.closeInput = true}).status, 0);
    EXPECT_EQ(qvkCalcWith({"call", "K1ABC"}, Streams{.closeInput = true}).status, 0);
}

TEST(Batch, HalfAGigabyteWithoutALineEndTakesLittleMemory)
{
    // found by hostile runs: 512 MB of zeros without a line end took 12 s and 1 GB
    const auto zeros = std::filesystem::temp_directory_path() / ("qvk-calc-zeros-" + std::to_string(getpid()));
    {
        std::ofstream create(zeros);
    }
    std::filesystem::resize_file(zeros, std::uintmax_t{512} << 20);  // sparse: no disk space used
    // inverse prints nothing for a bad line; call prints one line for every line
    for (const auto& [batch, answer] : {std::pair{"inverse", ""}, std::pair{"call", "dxcc=invalid\n"}}) {
        const Outcome run = qvkCalcWith({batch}, Streams{.inputFrom = zeros.string()});
        EXPECT_EQ(run.status, 1) << batch;
        EXPECT_EQ(run.err, "line 1: too long\n") << batch;
        EXPECT_EQ(run.out, answer) << batch;
        EXPECT_LT(run.peakMegabytes, 64) << batch;
    }
    std::filesystem::remove(zeros);
}

TEST(OutOfRange, NumbersAreInvalidInputWithAReason)
{
    // found by hostile runs: these printed results and exited 0
    const Outcome sun = qvkCalc({"sun", "1e308", "2.35", "1", "2026-12-07"});
    EXPECT_EQ(sun.status, 1);
    EXPECT_EQ(sun.out, "");
    EXPECT_EQ(sun.err, "qvk-calc: latitude 1e308 is beyond 90 degrees\n");
    EXPECT_EQ(qvkCalc({"sun", "48.85", "-180.5", "1", "2026-12-07"}).err,
              "qvk-calc: longitude -180.5 is beyond 180 degrees\n");
    EXPECT_EQ(qvkCalc({"sun", "48.85", "2.35", "14.25", "2026-12-07"}).err,
              "qvk-calc: offset 14.25 is beyond 14 hours\n");
    EXPECT_EQ(qvkCalc({"sun", "48.85", "2.35", "-15", "2026-12-07"}).status, 1);
    // the edges themselves are places on the earth
    EXPECT_EQ(qvkCalc({"sun", "-90", "180", "14", "2026-12-07"}).status, 0);

    const Outcome locator = qvkCalc({"locator", "N999.00", "W94.47"});
    EXPECT_EQ(locator.status, 1);
    EXPECT_EQ(locator.out, "");
    EXPECT_EQ(locator.err, "Latitude beyond 90 degrees: N°999.00\\W°94.47\n");
    EXPECT_EQ(qvkCalc({"bearing", "N32.39\\W180.30", "IO91"}).err, "Longitude beyond 180 degrees: N°32.39\\W°180.30\n");
    EXPECT_EQ(qvkCalc({"locator", "S90.00", "E180.00"}).status, 0);
    EXPECT_EQ(qvkCalc({"inverse"}, "10 200 20 20\n").err, "line 1: longitude '200.000000' is beyond 180 degrees\n");
}

TEST(ControlBytes, FromTheInputAreShownEscapedNeverRaw)
{
    const Outcome argument = qvkCalc({"bearing", "N3\x1b[2J2.39\\W86.43", "IO91"});
    EXPECT_EQ(argument.status, 1);
    EXPECT_EQ(argument.err, "'3\\x1b[2J2.65' is not a valid floating point value.\n");
    EXPECT_EQ(qvkCalc({"\x1b]0;title\x07"}).err,
              "qvk-calc: unknown command '\\x1b]0;title\\x07'\nTry 'qvk-calc --help'.\n");
    // a C1 control in UTF-8, and bytes that are no UTF-8 at all
    EXPECT_EQ(qvkCalc({"inverse"}, "1\xc2\x9b"
                                   "2 2 3 4\n\xff\xfe 1 2 3\n")
                  .err,
              "line 1: '1\\xc2\\x9b2' is not a number\nline 2: '\\xff\\xfe' is not a number\n");
    const std::string notACall = "'K1\\x1b[2JABC' is not a callsign: only letters, digits and \"/\" belong in one";
    EXPECT_EQ(qvkCalc({"call"}, "K1\x1b[2JABC\n").err, "line 1: " + notACall + "\n");
    EXPECT_EQ(qvkCalc({"call", "K1\x1b[2JABC"}).err, notACall + "\n");
}

}  // namespace
