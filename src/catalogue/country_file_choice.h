#pragma once
// Which country file the program uses: the newest by its version of the
// operator's own cty.csv in the settings folder, the system's copy
// (/usr/share/hamradio-files/cty.csv, Debian's hamradio-files) and the one
// shipped beside the program. A damaged file is reported and the next one
// used, so a bad download never stops the program.

#include "catalogue/country_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvk {

inline constexpr std::string_view kCountryFileName = "cty.csv";
inline constexpr std::string_view kSystemCountryFile = "/usr/share/hamradio-files/cty.csv";

struct LoadedCountryFile {
    std::filesystem::path path;
    CountryFile data;
};

struct CountryFileReading {
    std::optional<LoadedCountryFile> file;
    // "Cannot open file PATH.", "Cannot read file PATH: REASON." or "Country file PATH, line N: ..."
    std::string problem;
};

// A file's lines, each kept whole: an entity's aliases fill one line of tens
// of kilobytes, far beyond the bound on a line of the program's own files
// (core/line_file.h). A file larger than 16 MB is not read. Nullopt with the
// reason in `problem` when the file is not read.
std::optional<std::vector<std::string>> readCountryFileLines(const std::filesystem::path& path, std::string& problem);

// One file, read and parsed.
CountryFileReading readCountryFile(const std::filesystem::path& path);

// The candidates in the order that breaks a tie of versions: the operator's
// copy, the system's, the shipped one.
std::vector<std::filesystem::path> countryFileCandidates(const std::filesystem::path& settingsFolder,
                                                         const std::filesystem::path& programFolder);

struct CountryFileChoice {
    std::optional<LoadedCountryFile> file;  // none when no candidate reads
    std::vector<std::string> problems;      // a message for each candidate passed over as unreadable or damaged
};

// The candidate with the newest version that reads (a file without a version
// counts as the oldest); on equal versions the earlier candidate. Only the
// newest is parsed, and a damaged one is reported and the next newest parsed;
// an older file is not checked once a newer one reads. A candidate that does
// not exist is passed over without a word, and a path named twice is read once.
CountryFileChoice chooseNewestCountryFile(const std::vector<std::filesystem::path>& candidates);

// What the operator is told when files were passed over: each problem on a
// line of its own, then "Callsigns are looked up in PATH instead." or, when
// no file reads, "Callsigns cannot be looked up." Empty when nothing was
// passed over.
std::string countryFileChoiceReport(const CountryFileChoice& choice);

}  // namespace qvk
