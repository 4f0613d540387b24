#include "app/calc/country_file_in_use.h"

#include "app/calc/terminal_text.h"

#include <iostream>

namespace qvk::calc {
namespace {

std::filesystem::path ownFolder()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : executable.parent_path();
}

}  // namespace

std::optional<LoadedCountryFile> loadCountryFile(const std::optional<std::string>& ctyPath)
{
    if (ctyPath) {
        auto reading = readCountryFile(*ctyPath);
        if (!reading.file) std::cerr << escapedForTerminal(reading.problem) << '\n';
        return std::move(reading.file);
    }
    const auto candidates = countryFileCandidates(ownFolder(), ownFolder());
    auto choice = chooseNewestCountryFile(candidates);
    for (const auto& problem : choice.problems) std::cerr << escapedForTerminal(problem) << '\n';
    if (!choice.file && choice.problems.empty()) {
        std::cerr << "No country file: none of";
        for (const auto& candidate : candidates) std::cerr << ' ' << candidate.string();
        std::cerr << " exists.\n";
    }
    return std::move(choice.file);
}

}  // namespace qvk::calc
