#pragma once
// The batch form of the geodesic inverse: lines "LAT1 LON1 LAT2 LON2" in,
// lines "BEARING DISTANCE" out, as line_batch.h streams them.

#include <string>
#include <string_view>

namespace qvk::calc {

// The output line for one input line ("44.236544117 7026338.9042\n" or
// "fault\n"), or an empty text with `error` set when the line does not parse.
std::string inverseLine(std::string_view line, std::string& error);

// inverse: standard input to standard output; the exit status. Bad lines
// print nothing and "line N: ..." on standard error.
int inverseCommand();

}  // namespace qvk::calc
