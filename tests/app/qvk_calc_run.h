#pragma once
// Runs the real qvk-calc as a script would: arguments, standard input, and
// back its output and exit status.

#include <optional>
#include <string>
#include <vector>

struct Outcome {
    int status = -1;  // the exit status; -1 when a signal ended the run
    int signal = 0;
    std::string out;
    std::string err;
    long peakMegabytes = 0;
};

// How a run's standard streams are set up: from a file written with `input`
// and into files, unless a test asks for something else.
struct Streams {
    std::string input{};
    std::optional<std::string> inputFrom{};  // a path, instead of `input`
    std::optional<std::string> outputTo{};   // a path, instead of a file the test reads
    bool closeInput = false;
    bool closeOutput = false;
    bool readOneLineAndStop = false;  // into a pipe whose reader goes away after a line, as "| head -1"
    std::string program = QVK_CALC_PATH;
    std::vector<std::string> environment{};  // replacing the test's own variables of the same names
};

Outcome qvkCalcWith(std::vector<std::string> arguments, const Streams& streams);

Outcome qvkCalc(std::vector<std::string> arguments, const std::string& input = {});

// The same for a copy of qvk-calc elsewhere (laid out as a package installs
// it), with variables set in its environment ("XDG_CONFIG_HOME=/tmp/...";
// "HOME=" leaves one empty).
Outcome qvkCalcAt(const std::string& program, std::vector<std::string> arguments,
                  const std::vector<std::string>& environment, const std::string& input = {});
