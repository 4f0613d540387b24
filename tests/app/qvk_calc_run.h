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
