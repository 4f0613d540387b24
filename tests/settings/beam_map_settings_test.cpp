// The Beam Map's companion file "beammap.qvk".

#include "settings/beam_map_settings.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

using Lines = std::vector<std::string>;

TEST(BeamMapFile, ReadsBackWhatItWrote)
{
    const BeamMapSettings zoomed{1200, 900, 3500};
    EXPECT_EQ(beamMapSettingsLines(zoomed), (Lines{"1200", "900", "3500"}));
    EXPECT_EQ(parseBeamMapSettings(beamMapSettingsLines(zoomed)), zoomed);
    EXPECT_EQ(parseBeamMapSettings(beamMapSettingsLines({})), BeamMapSettings{});
}

TEST(BeamMapFile, ALineThatDoesNotReadKeepsItsDefaultAndNoOther)
{
    const BeamMapSettings defaults;
    const BeamMapSettings read = parseBeamMapSettings({"wide", "99999999999999999999", "2000"});
    EXPECT_EQ(read.width, defaults.width);
    EXPECT_EQ(read.height, defaults.height);
    EXPECT_EQ(read.radiusKm, 2000);
    EXPECT_EQ(parseBeamMapSettings({"900", "700", "-5"}).radiusKm, 0);
    EXPECT_EQ(parseBeamMapSettings({"150", "700"}).width, defaults.width);  // too small to use
    EXPECT_EQ(parseBeamMapSettings({}), defaults);
}

}  // namespace
}  // namespace qvk
