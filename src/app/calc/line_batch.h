#pragma once
// qvk-calc's batch commands: lines in, one answer per line out, streamed in
// large blocks and answered on every core, with the output in input order.
//
// Memory stays bounded and time linear whatever the input: a line longer than
// kLongestLine (core/line_file.h; far beyond any answerable line) is reported
// as "line N: too long" and its bytes are dropped as they stream past,
// however many gigabytes it runs.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace qvk::calc {

// Appends to `out` the output for one input line (its line end included;
// nothing to print nothing), and sets `error` when the line is bad. Called
// from several threads at once.
using LineAnswer = std::function<void(std::string_view line, std::string& out, std::string& error)>;

struct LineBatch {
    LineAnswer answer;
    std::string_view tooLongAnswer;  // the output for a line too long to read, "" for none
};

struct LineBatchRun {
    bool allAnswered = true;  // each bad line was reported on `err` as "line N: ERROR", escaped for a terminal
    int readError = 0;        // the errno that stopped reading `in`, or 0
    int writeError = 0;       // the errno that stopped writing `out`, or 0
};

// Reads `in` to its end, or until reading it or writing `out` fails.
LineBatchRun runLineBatch(std::FILE* in, std::FILE* out, std::FILE* err, const LineBatch& batch);

// The batch over standard input and output, with its exit status: kDone,
// kInvalidInput after a bad line, or as standard_streams.h reports a failed
// read or write.
int runStandardLineBatch(const LineBatch& batch);

}  // namespace qvk::calc
