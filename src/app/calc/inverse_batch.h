#pragma once
// The batch form of the geodesic inverse: lines "LAT1 LON1 LAT2 LON2" in,
// lines "BEARING DISTANCE" out, streamed in large blocks and computed on every
// core, with the output in input order.

#include <cstdio>
#include <string>
#include <string_view>

namespace qvk::calc {

// The output line for one input line ("44.236544117 7026338.9042\n" or
// "fault\n"), or an empty text with `error` set when the line does not parse.
std::string inverseLine(std::string_view line, std::string& error);

// Reads `in` to its end; returns true when every line parsed. Bad lines print
// nothing on `out` and "line N: ..." on `err`.
bool runInverseBatch(std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace qvk::calc
