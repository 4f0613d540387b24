// qvk-calc call, cty and callsign targets, as a logging script runs them.

#include "app/qvk_calc_run.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

namespace fs = std::filesystem;

constexpr const char* kUnitedStates = "dxcc=291 prefix=K cont=NA cq=5 itu=8 lat=37.60 lon=91.87 name=United States\n";
constexpr const char* kJapan = "dxcc=339 prefix=JA cont=AS cq=25 itu=45 lat=36.40 lon=-138.38 name=Japan\n";
constexpr const char* kAnguilla = "dxcc=12 prefix=VP2E cont=NA cq=8 itu=11 lat=18.23 lon=63.00 name=Anguilla\n";

// A country file of its own for a test, removed afterwards.
class OwnCountryFile {
public:
    explicit OwnCountryFile(const std::string& text)
        : path_(fs::temp_directory_path() / ("qvk-calc-cty-" + std::to_string(getpid()) + ".csv"))
    {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~OwnCountryFile() { fs::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

TEST(Call, PrintsTheEntityOfOneCall)
{
    const Outcome run = qvkCalc({"call", "K1ABC"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kUnitedStates);
    EXPECT_EQ(run.err, "");
    // the zones of the call's own prefix, south and east negative
    EXPECT_EQ(qvkCalc({"call", "VE3ABC"}).out, "dxcc=1 prefix=VE cont=NA cq=4 itu=4 lat=44.35 lon=78.75 name=Canada\n");
    EXPECT_EQ(qvkCalc({"call", "VK2ABC"}).out,
              "dxcc=150 prefix=VK cont=OC cq=30 itu=59 lat=-23.70 lon=-132.33 name=Australia\n");
}

TEST(Call, NoEntityIsAnAnswerNotAnError)
{
    for (const auto& [call, answer] : {std::pair{"K1ABC/MM", "dxcc=none\n"}, std::pair{"JA1ABC/AM", "dxcc=none\n"},
                                       std::pair{"Q1ABC", "dxcc=unknown\n"}}) {
        const Outcome run = qvkCalc({"call", call});
        EXPECT_EQ(run.status, 0) << call;
        EXPECT_EQ(run.out, answer) << call;
    }
}

TEST(Call, ATextThatIsNoCallsignSaysWhy)
{
    const Outcome run = qvkCalc({"call", "K1 ABC"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "'K1 ABC' is not a callsign: only letters, digits and \"/\" belong in one\n");
}

TEST(CallBatch, OneLinePerInputLineSoPasteLinesThemUp)
{
    const Outcome run = qvkCalc({"call"}, "K1ABC\r\nK1 ABC\n\nja1abc\nK1ABC/MM\nQ1ABC\nVP2E/K1ABC");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kUnitedStates) + "dxcc=invalid\ndxcc=invalid\n" + kJapan + "dxcc=none\n" +
                           "dxcc=unknown\n" + kAnguilla);
    EXPECT_EQ(run.err, "line 2: 'K1 ABC' is not a callsign: only letters, digits and \"/\" belong in one\n"
                       "line 3: an empty text is not a callsign\n");

    const Outcome clean = qvkCalc({"call"}, "K1ABC\nJA1ABC\n");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, std::string(kUnitedStates) + kJapan);
    EXPECT_EQ(clean.err, "");
}

TEST(CallBatch, ALineTooLongStillGetsItsAnswerLineSoPasteStaysInStep)
{
    // one over-long line inside a block, one that runs on past a whole block
    const Outcome run = qvkCalc({"call"}, "K1ABC\n" + std::string(5000, 'K') + "\nJA1ABC\n" +
                                              std::string(10 << 20, 'J') + "\nVP2E/K1ABC");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kUnitedStates) + "dxcc=invalid\n" + kJapan + "dxcc=invalid\n" + kAnguilla);
    EXPECT_EQ(run.err, "line 2: too long\nline 4: too long\n");
}

TEST(CallBatch, KeepsInputOrderAndLineNumbersAcrossBlocksAndThreads)
{
    const char* calls[] = {"JA1ABC\n", "K1ABC/MM\n", "VP2E/K1ABC\n"};
    const char* answers[] = {kJapan, "dxcc=none\n", kAnguilla};
    const int lines = 600'000;  // more than one read block
    std::string input, expected;
    for (int i = 1; i <= lines; ++i) {
        input += i == 500'001 ? "K1/\n" : calls[i % 3];
        expected += i == 500'001 ? "dxcc=invalid\n" : answers[i % 3];
    }
    const Outcome run = qvkCalc({"call"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 500001: 'K1/' is not a callsign: \"/\" only stands between two parts\n");
    EXPECT_TRUE(run.out == expected);  // not EXPECT_EQ: a failure would print 30 MB
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), lines);
}

TEST(Call, TheCtyFlagUsesThatFileOnly)
{
    const OwnCountryFile own("G,England,223,EU,14,27,51.50,0.50,0.0,G M =K1ABC;\n");
    EXPECT_EQ(qvkCalc({"call", "K1ABC", "--cty", own.path()}).out,
              "dxcc=223 prefix=G cont=EU cq=14 itu=27 lat=51.50 lon=0.50 name=England\n");
    EXPECT_EQ(qvkCalc({"call", "JA1ABC", "--cty=" + own.path()}).out, "dxcc=unknown\n");
    EXPECT_EQ(qvkCalc({"cty", "--cty", own.path()}).out,
              "file=" + own.path() + " version=none entities=1 exact=1 prefixes=2\n");
}

TEST(Call, ADamagedOrMissingCtyFileIsNamedWithItsLine)
{
    const OwnCountryFile damaged("G,England,223,EU,14,27,51.50,0.50,0.0,G M;\nF,France\n");
    const Outcome run = qvkCalc({"call", "K1ABC", "--cty", damaged.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Country file " + damaged.path() + ", line 2: 2 fields where 10 belong.\n");

    const Outcome missing = qvkCalc({"cty", "--cty", "/nonexistent/cty.csv"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file /nonexistent/cty.csv.\n");
}

TEST(Cty, NamesTheShippedFileBesideQvkCalcAndItsFigures)
{
    // the system's copy from hamradio-files, where installed, has the same
    // version: the copy beside the program comes first on a tie
    const Outcome run = qvkCalc({"cty"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "file=" + (fs::path(QVK_CALC_PATH).parent_path() / "cty.csv").string() +
                           " version=20230502 entities=340 exact=18471 prefixes=7719\n");
}

// qvk-calc as the package installs it, in a folder of the test's own:
// /usr/bin/qvk-calc, its data in /usr/share/qvk.
class InstalledQvkCalc : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("qvk-calc-installed-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "usr/bin");
        fs::copy_file(QVK_CALC_PATH, program());
        write(root_ / "usr/share/qvk/states.txt", "DX~\r\n");
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string program() const { return (root_ / "usr/bin/qvk-calc").string(); }
    fs::path config() const { return root_ / "config"; }
    Outcome run(std::vector<std::string> arguments) const
    {
        return qvkCalcAt(program(), std::move(arguments), {"XDG_CONFIG_HOME=" + config().string()});
    }

    // A one-entity file: every K call is NAME; versions later than any real
    // file, so that the system's copy never wins.
    static void writeCountryFile(const fs::path& path, const std::string& name, const std::string& version)
    {
        write(path, "K," + name + ",291,NA,5,8,37.60,91.87,5.0,K =VER" + version + ";\r\n");
    }
    static void write(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path root_;
};

TEST_F(InstalledQvkCalc, FindsTheSharedDataFolderAndNeverMakesTheSettingsFolder)
{
    writeCountryFile(root_ / "usr/share/qvk/cty.csv", "Shipped", "29990101");
    const Outcome cty = run({"cty"});
    EXPECT_EQ(cty.status, 0) << cty.err;
    EXPECT_EQ(cty.out, "file=" + (root_ / "usr/share/qvk/cty.csv").string() +
                           " version=29990101 entities=1 exact=0 prefixes=1\n");
    EXPECT_FALSE(fs::exists(config())) << "qvk-calc only reads the settings folder";
}

TEST_F(InstalledQvkCalc, TheOperatorsNewerCopyInTheSettingsFolderWinsAndADamagedOneIsNamed)
{
    writeCountryFile(root_ / "usr/share/qvk/cty.csv", "Shipped", "29990101");
    writeCountryFile(config() / "qvk/cty.csv", "Downloaded", "29991231");
    EXPECT_EQ(run({"call", "K1ABC"}).out, "dxcc=291 prefix=K cont=NA cq=5 itu=8 lat=37.60 lon=91.87 name=Downloaded\n");

    write(config() / "qvk/cty.csv", "K,Downloaded,291,NA,5,8,37.60,91.87,5.0,K =VER29991231;\r\nF,France\r\n");
    const Outcome damaged = run({"call", "K1ABC"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.err,
              "Country file " + (config() / "qvk/cty.csv").string() + ", line 2: 2 fields where 10 belong.\n");
    EXPECT_EQ(damaged.out, "dxcc=291 prefix=K cont=NA cq=5 itu=8 lat=37.60 lon=91.87 name=Shipped\n");
}

TEST(CallTarget, BearingTakesACallsignAsTarget)
{
    // England of this file lies at 51.50 and 0.50: N°51.30\W°0.30 in degrees.minutes
    const OwnCountryFile own("G,England,223,EU,14,27,51.50,0.50,0.0,G M;\n");
    const Outcome run = qvkCalc({"bearing", "EM72", "G4ABC", "--cty", own.path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, qvkCalc({"bearing", "EM72", "N51.30\\W0.30"}).out);
    // Anguilla lies at 18.23 and 63.00; "qvk-calc inverse" from EM72 (32 86) there: 117.938086247 2766130.4655
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "vp2e/k1abc"}).out,
              "bearing=117.9 long-path=297.9 km=2766 mi=1719 even=118\n");
    // a locator stays a locator even where it could be a call
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "IO91", "--cty", own.path()}).out, qvkCalc({"bearing", "EM72", "IO91"}).out);
}

TEST(CallTarget, ACallWithoutEntityGivesTheListsWarning)
{
    const Outcome maritime = qvkCalc({"bearing", "EM72", "K1ABC/MM"});
    EXPECT_EQ(maritime.status, 1);
    EXPECT_EQ(maritime.out, "");
    EXPECT_EQ(maritime.err, "K1ABC/MM is maritime mobile: no DXCC entity.\n");
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "q1abc"}).err, "No DXCC entity for Q1ABC.\n");
    // the rotator is not even asked
    const Outcome rotate = qvkCalc({"rotate", "EM72", "K1ABC/AM", "--rotator", "127.0.0.1:1"});
    EXPECT_EQ(rotate.status, 1);
    EXPECT_EQ(rotate.err, "K1ABC/AM is aeronautical mobile: no DXCC entity.\n");
    // neither locator, pair nor callsign: the locator's complaint as before
    EXPECT_EQ(qvkCalc({"bearing", "EM72", "EL"}).err, "Grid description must be 4 or 6 characters in length.\n");
}

TEST(CallUsage, ArgumentCounts)
{
    const Outcome two = qvkCalc({"call", "K1ABC", "JA1ABC"});
    EXPECT_EQ(two.status, 64);
    EXPECT_NE(two.err.find("call takes 0 to 1 arguments"), std::string::npos);
    EXPECT_EQ(qvkCalc({"cty", "extra"}).status, 64);
    EXPECT_EQ(qvkCalc({"call", "K1ABC", "--cty"}).status, 64);
    EXPECT_EQ(qvkCalc({"call", "K1ABC", "--long"}).status, 64);
}

}  // namespace
