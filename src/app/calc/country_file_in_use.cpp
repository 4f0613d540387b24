#include "app/calc/country_file_in_use.h"

#include "app/calc/terminal_text.h"
#include "settings/program_folders.h"

#include <iostream>

namespace qvk::calc {
namespace {

// The operator's, the system's and the shipped file, where the program looks.
std::vector<std::filesystem::path> programCandidates()
{
    const auto program = executableFolder();
    const auto data = findDataFolder(program);
    // without a settings folder the shipped file stands in; it is read once
    const auto settings = settingsFolderToRead(folderFactsOfSystem(program)).value_or(data);
    return countryFileCandidates(settings, data);
}

}  // namespace

std::optional<LoadedCountryFile> loadCountryFile(const std::optional<std::string>& ctyPath)
{
    if (ctyPath) {
        auto reading = readCountryFile(*ctyPath);
        if (!reading.file) std::cerr << escapedForTerminal(reading.problem) << '\n';
        return std::move(reading.file);
    }
    const auto candidates = programCandidates();
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
