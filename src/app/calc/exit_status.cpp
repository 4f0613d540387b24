#include "app/calc/exit_status.h"

#include "app/calc/terminal_text.h"
#include "core/windows1252.h"

#include <iostream>

namespace qvk::calc {

int usageError(const std::string& problem)
{
    std::cerr << "qvk-calc: " << escapedForTerminal(problem) << "\nTry 'qvk-calc --help'.\n";
    return kUsageError;
}

int invalidInput(const std::string& programText)
{
    std::cerr << escapedForTerminal(windows1252ToUtf8(programText)) << '\n';
    return kInvalidInput;
}

}  // namespace qvk::calc
