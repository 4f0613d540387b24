#pragma once
// Runs the real qvk-calc as a script would: arguments, standard input, and
// back its output and exit status.

#include <string>
#include <vector>

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome qvkCalc(std::vector<std::string> arguments, const std::string& input = {});

// The same for a copy of qvk-calc elsewhere (laid out as a package installs
// it), with variables set in its environment ("XDG_CONFIG_HOME=/tmp/...";
// "HOME=" leaves one empty).
Outcome qvkCalcAt(const std::string& program, std::vector<std::string> arguments,
                  const std::vector<std::string>& environment, const std::string& input = {});
