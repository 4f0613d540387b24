// The rotator file "rotator.qvk", and the HOST:PORT of qvk-calc.

#include "rotator/rotator_settings.h"

#include <gtest/gtest.h>

namespace qvk::rotator {
namespace {

using Lines = std::vector<std::string>;

TEST(RotatorFile, WritesItsFourLines)
{
    EXPECT_EQ(rotatorSettingsLines({}), (Lines{"1", "127.0.0.1", "4533", "1"}));
    EXPECT_EQ(rotatorSettingsLines({false, "shack.local", 4535, false}), (Lines{"0", "shack.local", "4535", "0"}));
}

TEST(RotatorFile, ReadsBackWhatItWrote)
{
    for (const RotatorSettings& settings : {RotatorSettings{}, RotatorSettings{false, "10.0.0.7", 4535, false},
                                            RotatorSettings{true, "::1", 65535, true}})
        EXPECT_EQ(parseRotatorSettings(rotatorSettingsLines(settings)), settings);
}

TEST(RotatorFile, AShortFileKeepsTheDefaultsOfItsMissingLines)
{
    EXPECT_EQ(parseRotatorSettings({}), RotatorSettings{});
    EXPECT_EQ(parseRotatorSettings({"0"}), (RotatorSettings{false, "127.0.0.1", 4533, true}));
    EXPECT_EQ(parseRotatorSettings({"1", "shack"}), (RotatorSettings{true, "shack", 4533, true}));
}

TEST(RotatorFile, ABadPortOrAnEmptyOrOverLongHostFallsBackToRotctldsOwnDefault)
{
    for (const char* port : {"", "0", "65536", "45x3", "-4533", " 4533"})
        EXPECT_EQ(parseRotatorSettings({"1", "shack", port, "1"}).port, 4533) << port;
    EXPECT_EQ(parseRotatorSettings({"1", "", "4535", "1"}).host, "127.0.0.1");
    // found by hostile files: a megabyte host line went to the name lookup as it was
    EXPECT_EQ(parseRotatorSettings({"1", std::string(254, 'h'), "4535", "1"}).host, "127.0.0.1");
    EXPECT_EQ(parseRotatorSettings({"1", std::string(253, 'h'), "4535", "1"}).host, std::string(253, 'h'));
}

TEST(RotatorAddress, NamesHostAndPortTheWayTheOperatorTypesThem)
{
    EXPECT_EQ(addressText("127.0.0.1", 4533), "127.0.0.1:4533");
    EXPECT_EQ(addressText("::1", 4533), "[::1]:4533");
}

TEST(RotatorAddress, ReadsHostColonPort)
{
    using Address = std::optional<std::pair<std::string, int>>;
    EXPECT_EQ(parseAddress("127.0.0.1:4533"), (Address{{"127.0.0.1", 4533}}));
    EXPECT_EQ(parseAddress("shack.local:4535"), (Address{{"shack.local", 4535}}));
    EXPECT_EQ(parseAddress("[::1]:4533"), (Address{{"::1", 4533}}));
    for (const char* bad :
         {"127.0.0.1", "127.0.0.1:", ":4533", "127.0.0.1:0", "127.0.0.1:70000", "::1:4533", "host:45a"})
        EXPECT_EQ(parseAddress(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace qvk::rotator
