// Built with -funsafe-math-optimizations on x86, which lets the compiler use
// the x87 fsin, fcos and fptan instructions; each function is a single call,
// so the flag reorders nothing else.
#include "core/extended_trig.h"

#include <cmath>

namespace qvk {

long double extendedSin(long double x) { return std::sin(x); }
long double extendedCos(long double x) { return std::cos(x); }
long double extendedTan(long double x) { return std::tan(x); }

}  // namespace qvk
