#pragma once
// Where the heading arrow's two ends sit on the compass card.
//
// The ends are not computed: they come from a fixed table of pixel positions,
// one row per even heading, in the compass frame's client coordinates. They lie
// roughly on a circle of radius 85 to 94 pixels around the card's centre (about
// 127, 127), the target end at the heading (0 at the top, 90 at the right) and
// the start end opposite. Only the headings 0 to 178 were drawn; the table
// repeats them for 180 to 358, where the lookup swaps the two ends.

#include <array>

namespace qvk::ui {

struct MarkerPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const MarkerPoint&, const MarkerPoint&) = default;
};

// One row of the table: the even heading it was drawn for and the arrow's ends.
struct MarkerRow {
    int evenHeading = 0;
    MarkerPoint target;
    MarkerPoint start;
};

// Where the start marker and the target marker go.
struct MarkerPoints {
    MarkerPoint target;
    MarkerPoint start;
    friend bool operator==(const MarkerPoints&, const MarkerPoints&) = default;
};

// 181 rows indexed by even heading / 2: row 90 + k repeats row k (k < 90) and
// row 180, for the even heading 360, repeats row 89.
inline constexpr int kMarkerRowCount = 181;

// The markers for an even heading 0, 2, ..., 360 (as core's evenHeading gives).
// From 180 on the row's ends trade places, so 180 points down and 360 is the
// line of 358. Values outside 0..360 are clamped.
MarkerPoints markersForEvenHeading(int evenHeading);

// The empty display: the arrow points straight up from 128, 217 to 128, 33.
MarkerPoints northMarkers();

}  // namespace qvk::ui
