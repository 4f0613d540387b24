#include "catalogue/callsign_lookup.h"

#include "core/byte_text.h"
#include "core/messages.h"

#include <array>

namespace qvk {
namespace {

using Outcome = CallLookup::Outcome;

using text::isDigit;
bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The parts of a checked callsign; 20 characters hold at most 10 of them.
class CallParts {
public:
    explicit CallParts(std::string_view call) : call_(call)
    {
        for (std::size_t start = 0;;) {
            const auto slash = call.find('/', start);
            parts_[count_++] = call.substr(start, slash - start);
            if (slash == std::string_view::npos) break;
            start = slash + 1;
        }
    }
    std::size_t count() const { return count_; }
    std::string_view operator[](std::size_t i) const { return parts_[i]; }
    std::string_view last() const { return parts_[count_ - 1]; }
    void dropLast() { --count_; }
    // The call as far as its remaining parts go, slashes included.
    std::string_view remaining() const
    {
        return call_.substr(0, static_cast<std::size_t>(last().data() + last().size() - call_.data()));
    }
    // The shortest part, the first one on a tie.
    std::string_view shortest() const
    {
        std::string_view best = parts_[0];
        for (std::size_t i = 1; i < count_; ++i)
            if (parts_[i].size() < best.size()) best = parts_[i];
        return best;
    }

private:
    std::string_view call_;
    std::array<std::string_view, kLongestCallsign / 2> parts_;
    std::size_t count_ = 0;
};

// Parts that say how the station operates, not where it is.
bool isOperatingMode(std::string_view part)
{
    return part == "P" || part == "M" || part == "QRP" || part == "QRPP" || part == "A" || part == "LH";
}

bool isMobileWithoutEntity(std::string_view part, Outcome& outcome)
{
    if (part == "MM")
        outcome = Outcome::MaritimeMobile;
    else if (part == "AM")
        outcome = Outcome::AeronauticalMobile;
    else
        return false;
    return true;
}

// W1AW with area 4 is W4AW: the area digit is the first digit after a letter.
std::string withAreaDigit(std::string_view call, char digit)
{
    std::string rewritten(call);
    for (std::size_t i = 1; i < rewritten.size(); ++i)
        if (isDigit(rewritten[i]) && isLetter(rewritten[i - 1])) {
            rewritten[i] = digit;
            break;
        }
    return rewritten;
}

// Guantanamo Bay's own calls are KG4 and two letters; KG4 with a longer
// suffix is issued in the United States.
bool isGuantanamoShape(std::string_view call)
{
    return call.size() == 5 && call.starts_with("KG4") && isLetter(call[3]) && isLetter(call[4]);
}

const std::uint32_t* longestPrefixMatch(const CountryFile& file, std::string_view target, bool wholeCall)
{
    for (std::size_t length = std::min(target.size(), file.longestPrefix); length > 0; --length) {
        const std::string_view prefix = target.substr(0, length);
        if (wholeCall && prefix == "KG4" && !isGuantanamoShape(target)) continue;
        if (const auto found = file.prefixes.find(prefix); found != file.prefixes.end()) return &found->second;
    }
    return nullptr;
}

const std::uint32_t* exactMatch(const CountryFile& file, std::string_view call)
{
    const auto found = file.exactCalls.find(call);
    return found == file.exactCalls.end() ? nullptr : &found->second;
}

bool isSingleDigit(std::string_view part) { return part.size() == 1 && isDigit(part[0]); }

// Rules 2 to 8 on a checked call: the index of its location, or nullptr with
// `outcome` saying why there is none.
const std::uint32_t* resolve(const CountryFile& file, std::string_view call, Outcome& outcome)
{
    if (const auto* exact = exactMatch(file, call)) return exact;
    CallParts parts(call);
    if (isMobileWithoutEntity(parts.last(), outcome)) return nullptr;
    if (parts.count() > 1 && isOperatingMode(parts.last())) {
        while (parts.count() > 1 && isOperatingMode(parts.last())) parts.dropLast();
        if (const auto* exact = exactMatch(file, parts.remaining())) return exact;
        if (isMobileWithoutEntity(parts.last(), outcome)) return nullptr;
    }
    std::string rewritten;
    std::string_view target = parts[0];
    if (parts.count() > 1 && isSingleDigit(parts.last())) {
        const char area = parts.last()[0];
        parts.dropLast();
        if (parts.count() == 1) target = rewritten = withAreaDigit(parts[0], area);
    }
    const bool wholeCall = parts.count() == 1;
    if (!wholeCall) target = parts.shortest();
    return longestPrefixMatch(file, target, wholeCall);
}

}  // namespace

std::string normalisedCall(std::string_view typed) { return text::upperAscii(text::trimBlanks(typed)); }

std::string notACallsignReason(std::string_view call)
{
    if (call.empty()) return "an empty text is not a callsign";
    const auto because = [call](const char* why) { return singleQuoted(call) + " is not a callsign: " + why; };
    if (call.size() > kLongestCallsign) return because("it is longer than 20 characters");
    bool letter = false, digit = false;
    for (std::size_t i = 0; i < call.size(); ++i) {
        const char c = call[i];
        letter = letter || isLetter(c);
        digit = digit || isDigit(c);
        if (c == '/' && (i == 0 || i + 1 == call.size() || call[i + 1] == '/'))
            return because("\"/\" only stands between two parts");
        if (c != '/' && !isLetter(c) && !isDigit(c)) return because("only letters, digits and \"/\" belong in one");
    }
    if (!letter) return because("it has no letter");
    if (!digit) return because("it has no digit");
    return {};
}

bool isCallsign(std::string_view typed) { return notACallsignReason(normalisedCall(typed)).empty(); }

CallLookup lookUpCall(const CountryFile& file, std::string_view typed)
{
    CallLookup lookup;
    lookup.call = normalisedCall(typed);
    lookup.reason = notACallsignReason(lookup.call);
    if (!lookup.reason.empty()) return lookup;

    lookup.outcome = Outcome::NoEntity;
    const std::uint32_t* location = resolve(file, lookup.call, lookup.outcome);
    if (location) {
        lookup.outcome = Outcome::Entity;
        lookup.location = &file.locations[*location];
    }
    return lookup;
}

}  // namespace qvk
