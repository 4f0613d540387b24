#include "catalogue/country_file_choice.h"

#include "core/line_file.h"
#include "core/messages.h"

#include <algorithm>

namespace qvk {

CountryFileReading readCountryFile(const std::filesystem::path& path)
{
    CountryFileReading reading;
    const auto lines = readLines(path);
    if (!lines) {
        reading.problem = cannotOpenFileMessage(path.string());
        return reading;
    }
    auto parsed = parseCountryFile(*lines);
    if (const auto* fault = std::get_if<CountryFileFault>(&parsed))
        reading.problem = countryFileMessage(path.string(), *fault);
    else
        reading.file = LoadedCountryFile{path, std::move(std::get<CountryFile>(parsed))};
    return reading;
}

std::vector<std::filesystem::path> countryFileCandidates(const std::filesystem::path& settingsFolder,
                                                         const std::filesystem::path& programFolder)
{
    return {settingsFolder / kCountryFileName, std::filesystem::path(kSystemCountryFile),
            programFolder / kCountryFileName};
}

CountryFileChoice chooseNewestCountryFile(const std::vector<std::filesystem::path>& candidates)
{
    CountryFileChoice choice;
    std::vector<std::filesystem::path> read;
    for (const auto& candidate : candidates) {
        std::error_code error;
        const auto same = std::filesystem::weakly_canonical(candidate, error);
        if (!std::filesystem::exists(candidate, error) || std::ranges::find(read, same) != read.end()) continue;
        read.push_back(same);
        auto reading = readCountryFile(candidate);
        if (!reading.file) {
            choice.problems.push_back(std::move(reading.problem));
            continue;
        }
        // "20230502" against "20240110": the yyyymmdd versions order as texts
        if (!choice.file || reading.file->data.version > choice.file->data.version)
            choice.file = std::move(reading.file);
    }
    return choice;
}

}  // namespace qvk
