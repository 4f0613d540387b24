#pragma once
// sin, cos and tan in extended precision, fast.
//
// glibc computes sinl, cosl and tanl in software (about 300 ns a call here);
// the x87 unit does it in a single instruction, exact to within a few units in
// the last place for the angles of the geodesic (below 4 radians). Elsewhere
// the standard functions serve.

namespace qvk {

long double extendedSin(long double x);
long double extendedCos(long double x);
long double extendedTan(long double x);

}  // namespace qvk
