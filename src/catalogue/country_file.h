#pragma once
// AD1C's country file cty.csv (www.country-files.com), the source every
// logger resolves callsigns with.
//
// One line per DXCC entity, ten comma-separated fields: primary prefix, name,
// DXCC number, continent, CQ zone, ITU zone, latitude (north positive),
// longitude (WEST positive, as everywhere in this program), UTC offset, and
// the alias tokens separated by blanks and ended by ";". A line whose primary
// prefix starts with "*" is an entity that counts only in WAE and CQ contests
// and is skipped whole: its calls belong to their DXCC entity.
//
// A token starting with "=" is a whole call; any other token is a prefix. A
// token may carry overrides of its entity's values: "(n)" CQ zone, "[n]" ITU
// zone, "<lat/lon>" position, "{XX}" continent, "~n~" UTC offset. Where a call
// or a prefix occurs twice, its first occurrence counts. "=VERyyyymmdd" is the
// file's version, not a call.
//
// Parsing is pure: the bytes come in, a CountryFile or the first fault (with
// its line number) comes out. Reading files and choosing among them lives in
// country_file_choice.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace qvk {

struct CountryEntity {
    std::string primaryPrefix;  // the first field, "K" or "3D2/c"
    std::string name;           // "United States"
    int dxcc = 0;               // the ARRL DXCC number, 291
};

// Where a call or prefix puts a station: its entity with the values that hold
// for it, the entity's own or a token's overrides.
struct CountryLocation {
    std::uint32_t entity = 0;  // index into CountryFile::entities
    std::string continent;     // "NA"
    int cqZone = 0;
    int ituZone = 0;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, WEST positive
    double utcOffset = 0;  // hours that local time lies BEHIND UTC, as the file writes it

    bool operator==(const CountryLocation&) const = default;
};

// Lets the token maps be searched with a string_view, without building a string per call.
struct TokenHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using TokenMap = std::unordered_map<std::string, std::uint32_t, TokenHash, std::equal_to<>>;

struct CountryFile {
    std::string version;  // "20230502"; empty when the file has no version token
    std::vector<CountryEntity> entities;
    // Each entity's own location and every distinct overridden one, once.
    std::vector<CountryLocation> locations;
    TokenMap exactCalls;  // whole call -> index into locations
    TokenMap prefixes;    // prefix -> index into locations
    std::size_t longestPrefix = 0;

    const CountryEntity& entityOf(const CountryLocation& location) const { return entities[location.entity]; }
};

struct CountryFileFault {
    std::size_t line = 0;  // from 1
    std::string problem;   // "7 fields where 10 belong"
};

// The lines of a country file (as splitLines gives them, each whole) parsed whole. Blank
// lines are passed over; a file without any entity line is a fault.
std::variant<CountryFile, CountryFileFault> parseCountryFile(const std::vector<std::string>& lines);

// The version alone ("20230502", or empty), found without building the
// maps: several files are ordered by it before the newest is parsed.
std::string countryFileVersion(const std::vector<std::string>& lines);

// "Country file PATH, line N: PROBLEM."
std::string countryFileMessage(std::string_view path, const CountryFileFault& fault);

}  // namespace qvk
