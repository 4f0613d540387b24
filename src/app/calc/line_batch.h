#pragma once
// qvk-calc's batch commands: lines in, one answer per line out, streamed in
// large blocks and answered on every core, with the output in input order.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace qvk::calc {

// Appends to `out` the output for one input line (its line end included;
// nothing to print nothing), and sets `error` when the line is bad. Called
// from several threads at once.
using LineAnswer = std::function<void(std::string_view line, std::string& out, std::string& error)>;

// Reads `in` to its end; returns true when no line was bad. Each bad line is
// reported on `err` as "line N: ERROR".
bool runLineBatch(std::FILE* in, std::FILE* out, std::FILE* err, const LineAnswer& answer);

}  // namespace qvk::calc
