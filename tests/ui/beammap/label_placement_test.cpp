// DXCC prefixes beside their dots, never over another.

#include "ui/beammap/label_placement.h"

#include <gtest/gtest.h>

namespace qvk::beammap {
namespace {

TEST(LabelPlacement, ALoneLabelGoesRightOfItsDot)
{
    const auto placed = placeLabels({{QPointF(100, 100), QSizeF(24, 11)}}, 1.5, QRectF(0, 0, 400, 400));
    ASSERT_TRUE(placed[0]);
    EXPECT_EQ(placed[0]->left(), 100 + 1.5 + 2);
    EXPECT_EQ(placed[0]->center().y(), 100);
}

TEST(LabelPlacement, ACrowdGetsNoOverlapAndEarlierLabelsWin)
{
    std::vector<LabelRequest> crowd;
    for (int i = 0; i < 40; ++i) crowd.push_back({QPointF(100 + (i % 8) * 6, 100 + (i / 8) * 5), QSizeF(24, 11)});
    const auto placed = placeLabels(crowd, 1.5, QRectF(0, 0, 400, 400));
    ASSERT_TRUE(placed[0]);
    std::vector<QRectF> shown;
    for (const auto& place : placed)
        if (place) shown.push_back(*place);
    EXPECT_GT(shown.size(), 3u);
    EXPECT_LT(shown.size(), crowd.size());
    for (std::size_t a = 0; a < shown.size(); ++a)
        for (std::size_t b = a + 1; b < shown.size(); ++b) EXPECT_FALSE(shown[a].intersects(shown[b]));
    for (const QRectF& label : shown)
        for (const LabelRequest& request : crowd) EXPECT_FALSE(label.contains(request.dot));
}

TEST(LabelPlacement, ALabelGoesLeftAtTheRightEdgeAndAvoidsReservedText)
{
    const std::vector<LabelRequest> atEdge{{QPointF(390, 200), QSizeF(24, 11)}};
    const auto placed = placeLabels(atEdge, 1.5, QRectF(0, 0, 400, 400));
    ASSERT_TRUE(placed[0]);
    EXPECT_LT(placed[0]->right(), 390);

    const std::vector<QRectF> ringLabel{QRectF(200, 190, 60, 20)};
    const auto moved = placeLabels({{QPointF(198, 200), QSizeF(24, 11)}}, 1.5, QRectF(0, 0, 400, 400), ringLabel);
    ASSERT_TRUE(moved[0]);
    EXPECT_FALSE(moved[0]->intersects(ringLabel[0]));
}

}  // namespace
}  // namespace qvk::beammap
