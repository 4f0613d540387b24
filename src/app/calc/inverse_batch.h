#pragma once
// The batch form of the geodesic inverse: lines "LAT1 LON1 LAT2 LON2" in,
// lines "BEARING DISTANCE" out, streamed in large blocks and computed on every
// core, with the output in input order.
//
// Memory stays bounded and time linear whatever the input: a line longer than
// kLongestLine (far beyond any four numbers) is reported as too long and its
// bytes are dropped as they stream past, however many gigabytes it runs.

#include <cstdio>
#include <string>
#include <string_view>

namespace qvk::calc {

// The output line for one input line ("44.236544117 7026338.9042\n" or
// "fault\n"), or an empty text with `error` set when the line does not parse.
std::string inverseLine(std::string_view line, std::string& error);

struct InverseRun {
    bool allParsed = true;  // bad lines print nothing on `out` and "line N: ..." on `err`
    int readError = 0;      // the errno that stopped reading `in`, or 0
    int writeError = 0;     // the errno that stopped writing `out`, or 0
};

// Reads `in` to its end, or until reading it or writing `out` fails.
InverseRun runInverseBatch(std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace qvk::calc
