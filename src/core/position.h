#pragma once
// A place as every computation takes it: signed decimal degrees, latitude
// positive north, longitude positive WEST (east is negative).
//
// The program has no separate mark for a place it does not know: a coordinate
// of exactly 0 stands for "no position". An unset home station and the
// targets of the "DXCC" button are all zeros, and a heading to or from them
// would be a heading to nowhere. The price is that a place exactly on the
// equator or on the Greenwich meridian is never computed; isKnownPosition is
// the one place that draws this line.

namespace qvk {

struct SignedPosition {
    long double latitude = 0;
    long double longitude = 0;
};

// False when either coordinate is exactly 0; the sign convention does not
// matter, so east-positive longitudes may be given as well.
constexpr bool isKnownPosition(long double latitude, long double longitude) { return latitude != 0 && longitude != 0; }

constexpr bool isKnownPosition(const SignedPosition& position)
{
    return isKnownPosition(position.latitude, position.longitude);
}

}  // namespace qvk
