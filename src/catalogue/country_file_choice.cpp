#include "catalogue/country_file_choice.h"

#include "core/line_file.h"
#include "core/messages.h"

#include <algorithm>

namespace qvk {
namespace {

// The file is about 300 KB today (the United States' line alone 70 KB): 16 MB
// leaves room for decades of growth and still reads in a moment.
constexpr std::uintmax_t kLargestCountryFile = 16 << 20;

CountryFileReading parsedCountryFile(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    CountryFileReading reading;
    auto parsed = parseCountryFile(lines);
    if (const auto* fault = std::get_if<CountryFileFault>(&parsed))
        reading.problem = countryFileMessage(path.string(), *fault);
    else
        reading.file = LoadedCountryFile{path, std::move(std::get<CountryFile>(parsed))};
    return reading;
}

struct Candidate {
    std::filesystem::path path;
    std::vector<std::string> lines;
    std::string version;
};

}  // namespace

std::optional<std::vector<std::string>> readCountryFileLines(const std::filesystem::path& path, std::string& problem)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kLargestCountryFile && !error) {
        problem = inFileMessage("Country file " + path.string(), "larger than 16 MB; not read.");
        return std::nullopt;
    }
    LineFileReading reading = readLineFile(path, kLargestCountryFile);
    if (reading.read()) return std::move(reading.lines);
    problem = readingMessage(path.string(), reading).value_or(std::string());
    return std::nullopt;
}

CountryFileReading readCountryFile(const std::filesystem::path& path)
{
    std::string problem;
    const auto lines = readCountryFileLines(path, problem);
    if (!lines) return {std::nullopt, problem};
    return parsedCountryFile(path, *lines);
}

std::vector<std::filesystem::path> countryFileCandidates(const std::filesystem::path& settingsFolder,
                                                         const std::filesystem::path& programFolder)
{
    return {settingsFolder / kCountryFileName, std::filesystem::path(kSystemCountryFile),
            programFolder / kCountryFileName};
}

CountryFileChoice chooseNewestCountryFile(const std::vector<std::filesystem::path>& paths)
{
    CountryFileChoice choice;
    std::vector<std::filesystem::path> seen;
    std::vector<Candidate> candidates;
    for (const auto& path : paths) {
        std::error_code error;
        const auto same = std::filesystem::weakly_canonical(path, error);
        if (!std::filesystem::exists(path, error) || std::ranges::find(seen, same) != seen.end()) continue;
        seen.push_back(same);
        std::string problem;
        auto lines = readCountryFileLines(path, problem);
        if (!lines) {
            choice.problems.push_back(std::move(problem));
            continue;
        }
        std::string version = countryFileVersion(*lines);
        candidates.push_back({path, std::move(*lines), std::move(version)});
    }
    // Parsing is what costs: only the newest is parsed, and the next ones
    // only when it turns out damaged. "20230502" against "20240110": the
    // yyyymmdd versions order as texts.
    std::ranges::stable_sort(candidates, std::ranges::greater{}, &Candidate::version);
    for (const Candidate& candidate : candidates) {
        auto reading = parsedCountryFile(candidate.path, candidate.lines);
        if (reading.file) {
            choice.file = std::move(reading.file);
            break;
        }
        choice.problems.push_back(std::move(reading.problem));
    }
    return choice;
}

std::string countryFileChoiceReport(const CountryFileChoice& choice)
{
    if (choice.problems.empty()) return "";
    std::string report;
    for (const auto& problem : choice.problems) report += problem + "\n";
    if (choice.file)
        report += "Callsigns are looked up in " + choice.file->path.string() + " instead.";
    else
        report += "Callsigns cannot be looked up.";
    return report;
}

}  // namespace qvk
