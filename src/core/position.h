#pragma once
// A place as every computation takes it: signed decimal degrees, latitude
// positive north, longitude positive WEST (east is negative).
//
// Every pair of numbers is a place, zeros included: the equator and the
// Greenwich meridian run through real stations (much of south-east England
// lies within minutes of W°0.00). Where a place may be missing (no home
// station stored yet, or the "DXCC" button, whose target is a list rather
// than a place) the code says so with std::optional<SignedPosition>.

namespace qvk {

struct SignedPosition {
    long double latitude = 0;
    long double longitude = 0;

    friend bool operator==(const SignedPosition&, const SignedPosition&) = default;
};

}  // namespace qvk
