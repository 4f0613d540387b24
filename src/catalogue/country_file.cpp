#include "catalogue/country_file.h"

#include "core/byte_text.h"
#include "core/messages.h"
#include "core/number_text.h"

#include <array>
#include <map>
#include <tuple>

namespace qvk {
namespace {

constexpr std::size_t kFieldCount = 10;
constexpr std::string_view kVersionMark = "VER";
constexpr std::size_t kVersionDigits = 8;  // yyyymmdd
constexpr std::string_view kOverrideOpeners = "([<{~";

using text::isDigit;

// A fault thrown inside one line's parsing and numbered by the line loop.
struct LineFault {
    std::string problem;
};

int wholeNumber(std::string_view text, std::string_view what)
{
    const auto value = parseWholeNumber(text);
    if (!value || *value < 0 || *value > 1000000)
        throw LineFault{std::string(what) + " " + singleQuoted(text) + " is not a whole number"};
    return static_cast<int>(*value);
}

double decimal(std::string_view text, std::string_view what, int limit)
{
    const auto value = parseDecimal(text);
    if (!value || *value < -limit || *value > limit)
        throw LineFault{std::string(what) + " " + singleQuoted(text) + " is not a number from -" +
                        std::to_string(limit) + " to " + std::to_string(limit)};
    return static_cast<double>(*value);
}

// "=VER20230502" is the file's version, not a call (written so, in capitals).
bool isVersion(std::string_view name)
{
    if (name.size() != kVersionMark.size() + kVersionDigits || !name.starts_with(kVersionMark)) return false;
    for (char c : name.substr(kVersionMark.size()))
        if (!isDigit(c)) return false;
    return true;
}

struct TokenParts {
    bool exact = false;
    std::string_view written;    // without "=" and overrides
    std::string name;            // the same, upper-cased
    std::string_view overrides;  // "(4)[7]"
};

TokenParts splitToken(std::string_view token)
{
    TokenParts parts;
    parts.exact = token.front() == '=';
    const std::string_view body = parts.exact ? token.substr(1) : token;
    const auto overridesStart = std::min(body.find_first_of(kOverrideOpeners), body.size());
    parts.written = body.substr(0, overridesStart);
    parts.name = text::upperAscii(parts.written);
    parts.overrides = body.substr(overridesStart);
    return parts;
}

// The alias list of an entity line: after its ninth comma, up to the ";".
std::string_view aliasField(std::string_view line)
{
    std::size_t start = 0;
    for (std::size_t comma = 0; comma < kFieldCount - 1; ++comma) {
        start = line.find(',', start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    const auto end = line.find(';', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

bool isContestOnly(std::string_view line) { return text::trimBlanks(line).starts_with('*'); }

// The override groups after a token's call or prefix, applied to `location`.
void applyOverrides(std::string_view token, std::string_view overrides, CountryLocation& location)
{
    while (!overrides.empty()) {
        const char opener = overrides.front();
        const char closer = opener == '(' ? ')' : opener == '[' ? ']' : opener == '<' ? '>' : opener == '{' ? '}' : '~';
        const auto end = overrides.find(closer, 1);
        if (kOverrideOpeners.find(opener) == std::string_view::npos || end == std::string_view::npos)
            throw LineFault{"token " + singleQuoted(token) + " has an unreadable override"};
        const std::string_view value = overrides.substr(1, end - 1);
        switch (opener) {
        case '(':
            location.cqZone = wholeNumber(value, "the CQ zone");
            break;
        case '[':
            location.ituZone = wholeNumber(value, "the ITU zone");
            break;
        case '<': {
            const auto slash = value.find('/');
            if (slash == std::string_view::npos)
                throw LineFault{"token " + singleQuoted(token) + " has a position without \"/\""};
            location.latitude = decimal(value.substr(0, slash), "the latitude", 90);
            location.longitude = decimal(value.substr(slash + 1), "the longitude", 180);
            break;
        }
        case '{':
            location.continent = std::string(value);
            break;
        default:
            location.utcOffset = decimal(value, "the UTC offset", 24);
        }
        overrides.remove_prefix(end + 1);
    }
}

// Builds the file while its lines come in: entities, their locations with
// overridden ones shared, and the two token maps.
class CountryFileBuilder {
public:
    void addLine(std::string_view line)
    {
        if (isContestOnly(line)) return;  // an entity that counts only in WAE and CQ contests
        std::array<std::string_view, kFieldCount> fields;
        std::size_t count = 0;
        for (std::size_t start = 0;; ++count) {
            const auto comma = line.find(',', start);
            if (count < kFieldCount) fields[count] = text::trimBlanks(line.substr(start, comma - start));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        ++count;
        if (count != kFieldCount)
            throw LineFault{std::to_string(count) + (count == 1 ? " field" : " fields") + " where 10 belong"};

        const auto entity = static_cast<std::uint32_t>(file_.entities.size());
        file_.entities.push_back(
            {std::string(fields[0]), std::string(fields[1]), wholeNumber(fields[2], "the DXCC number")});
        CountryLocation own;
        own.entity = entity;
        own.continent = std::string(fields[3]);
        own.cqZone = wholeNumber(fields[4], "the CQ zone");
        own.ituZone = wholeNumber(fields[5], "the ITU zone");
        own.latitude = decimal(fields[6], "the latitude", 90);
        own.longitude = decimal(fields[7], "the longitude", 180);
        own.utcOffset = decimal(fields[8], "the UTC offset", 24);
        const auto ownIndex = static_cast<std::uint32_t>(file_.locations.size());
        file_.locations.push_back(std::move(own));

        std::string_view aliases = fields[9];
        const auto end = aliases.find(';');
        if (end == std::string_view::npos) throw LineFault{"the alias list does not end with \";\""};
        if (end + 1 != aliases.size()) throw LineFault{"text after the \";\" that ends the alias list"};
        for (const std::string_view token : text::blankSeparatedWords(aliases.substr(0, end)))
            addToken(token, ownIndex);
    }

    CountryFile finish() { return std::move(file_); }

    bool empty() const { return file_.entities.empty(); }

private:
    void addToken(std::string_view token, std::uint32_t ownIndex)
    {
        TokenParts parts = splitToken(token);
        if (parts.name.empty()) throw LineFault{"token " + singleQuoted(token) + " names no call or prefix"};
        if (parts.exact && isVersion(parts.written)) {
            if (file_.version.empty()) file_.version = parts.written.substr(kVersionMark.size());
            return;
        }
        std::uint32_t location = ownIndex;
        if (!parts.overrides.empty()) {
            CountryLocation overridden = file_.locations[ownIndex];
            applyOverrides(token, parts.overrides, overridden);
            if (!(overridden == file_.locations[ownIndex])) location = share(std::move(overridden));
        }
        if (!parts.exact) file_.longestPrefix = std::max(file_.longestPrefix, parts.name.size());
        TokenMap& map = parts.exact ? file_.exactCalls : file_.prefixes;
        map.try_emplace(std::move(parts.name), location);  // the first occurrence wins
    }

    // Thousands of tokens carry the same few overrides ("(4)[7]" on every US
    // prefix of the 0 area): each distinct location is kept once.
    std::uint32_t share(CountryLocation location)
    {
        const auto key = std::tie(location.entity, location.continent, location.cqZone, location.ituZone,
                                  location.latitude, location.longitude, location.utcOffset);
        const auto [place, added] = sharedIndex_.try_emplace(key, static_cast<std::uint32_t>(file_.locations.size()));
        if (added) file_.locations.push_back(std::move(location));
        return place->second;
    }

    using LocationKey = std::tuple<std::uint32_t, std::string, int, int, double, double, double>;

    CountryFile file_;
    std::map<LocationKey, std::uint32_t> sharedIndex_;
};

}  // namespace

std::variant<CountryFile, CountryFileFault> parseCountryFile(const std::vector<std::string>& lines)
{
    CountryFileBuilder builder;
    bool anyText = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (text::trimBlanks(lines[i]).empty()) continue;
        anyText = true;
        try {
            builder.addLine(lines[i]);
        } catch (const LineFault& fault) {
            return CountryFileFault{i + 1, fault.problem};
        }
    }
    if (!anyText) return CountryFileFault{1, "the file is empty"};
    if (builder.empty()) return CountryFileFault{1, "the file names no DXCC entity"};
    return builder.finish();
}

std::string countryFileVersion(const std::vector<std::string>& lines)
{
    // a search for the mark, not a split into tokens: this runs on every
    // candidate file at start-up
    std::string mark(1, '=');
    mark += kVersionMark;
    for (const auto& line : lines) {
        if (isContestOnly(line)) continue;
        const std::string_view aliases = aliasField(line);
        for (auto at = aliases.find(mark); at != std::string_view::npos; at = aliases.find(mark, at + 1)) {
            if (at > 0 && !text::isBlank(aliases[at - 1])) continue;
            auto end = at;
            while (end < aliases.size() && !text::isBlank(aliases[end])) ++end;
            const TokenParts parts = splitToken(aliases.substr(at, end - at));
            if (isVersion(parts.written)) return std::string(parts.written.substr(kVersionMark.size()));
        }
    }
    return {};
}

std::string countryFileMessage(std::string_view path, const CountryFileFault& fault)
{
    return atLineMessage("Country file " + std::string(path), fault.line, fault.problem + ".");
}

}  // namespace qvk
