// qvk-calc: the computations of Amateur Radio QVK from the command line, for
// operators who script or log.

#include "app/calc/arguments.h"
#include "app/calc/call_command.h"
#include "app/calc/exit_status.h"
#include "app/calc/inverse_batch.h"
#include "app/calc/map_command.h"
#include "app/calc/position_argument.h"
#include "app/calc/rotator_turn.h"
#include "app/calc/standard_streams.h"
#include "app/calc/terminal_text.h"
#include "app/program_identity.h"
#include "clocks/place_time.h"
#include "core/geodesic.h"
#include "core/maidenhead.h"
#include "core/number_text.h"
#include "core/sun.h"
#include "core/windows1252.h"
#include "rotator/rotator_settings.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using qvk::calc::Arguments;
using qvk::calc::invalidInput;
using qvk::calc::kDone;
using qvk::calc::kInvalidClockOffset;
using qvk::calc::kInvalidInput;
using qvk::calc::kRotatorFailed;
using qvk::calc::usageError;

constexpr const char* kUsage = R"(Usage: qvk-calc COMMAND [ARGUMENTS]

Beam headings, locators, sunrise and sunset and world-clock times, computed
exactly as Amateur Radio QVK computes them.

Positions are Maidenhead locators (EL29 or EL29AB, taken at their south-west
corner) or degrees.minutes pair texts such as N°32.39\W°86.43 (quote the
backslash in the shell). The degree sign may be typed as °, as the byte B0,
or left out: N32.39\W86.43. The digits after the point are minutes, not a
decimal fraction: .39 is 39 minutes, .5 is 50 minutes.

TARGET may also be a callsign (JA1ABC, VP2E/K1ABC) when it is neither a
locator nor a pair: its DXCC entity's position, as "call" finds it.

Commands:
  bearing HOME TARGET [--cty PATH]
      Heading, long path, distance and even heading from HOME to TARGET:
        bearing=44.2 long-path=224.2 km=7026 mi=4366 even=44
      An empty HOME or TARGET ('') is no position: bearing=none.
  call [CALL] [--cty PATH]
      The DXCC entity of a callsign, by AD1C's country file cty.csv:
        dxcc=291 prefix=K cont=NA cq=5 itu=8 lat=37.60 lon=91.87 name=United States
      prefix is the entity's primary prefix; cont, cq and itu are the
      continent and zones of this call, lat and lon its position in decimal
      degrees (north and WEST positive): the entity's, or the call's own where
      the file gives one. A maritime or aeronautical
      mobile (/MM, /AM) prints dxcc=none, a call of no known entity
      dxcc=unknown. Without CALL, reads one call a line from standard input
      and prints one line for each, in order (dxcc=invalid for a line that is
      no callsign, reported on standard error as "line N: ...", and for a
      line longer than 4096 bytes, reported as "line N: too long").
      The country file is PATH, or else the newest by its version of three,
      as Amateur Radio QVK chooses: cty.csv in the program's settings folder
      ($XDG_CONFIG_HOME/qvk, by default ~/.config/qvk; the folder of qvk-calc
      itself when the program runs from a build folder), where an operator
      puts a fresh download; /usr/share/hamradio-files/cty.csv (Debian's
      hamradio-files); and the cty.csv shipped with the program (beside
      qvk-calc, or in ../share/qvk as installed). qvk-calc only reads these
      files and creates no folder.
  cty [--cty PATH]
      The country file "call" uses and its figures:
        file=PATH version=20230502 entities=340 exact=18471 prefixes=7719
  inverse
      Reads lines "LAT1 LON1 LAT2 LON2" from standard input (signed decimal
      degrees, north and WEST positive) and prints "BEARING DISTANCE" for
      each: degrees to 9 decimals, metres to 4. A line that does not parse
      prints nothing and is reported on standard error as "line N: ...";
      a line longer than 4096 bytes as "line N: too long"; a computation
      fault prints "fault".
  convert PAIR
      The pair in decimal degrees: N°32.39\W°86.43 gives N°32.65\W°86.72.
  grid LOCATOR
      The locator's south-west corner: EL29AB gives N°29.02\W°96.00.
  locator LAT LON
      The 4-character locator of two angle texts: N°29.18 W°94.47 gives EL29.
  sun LAT LON OFFSET YYYY-MM-DD [--military]
      Sunrise and sunset at a place in decimal degrees (north and EAST
      positive) whose local time is OFFSET hours from GMT (-14 to 14):
        rise=8:31A set=4:54P
      then "message=TEXT" for each notice (polar day or night).
  clock 'PLACE TEXT' HH:MM [--military] [--dst]
      The world-clock row of a place box at a UTC time: 'India   [5.5]' at
      12:00 gives 5:30 PM; --dst adds an hour and the mark "*".
  gmt HH:MM [--military]
      The GMT row at a UTC time: 00:05 gives 12: 05 AM.
  rotate HOME TARGET [--long] [--rotator HOST:PORT] [--cty PATH]
      Turns the rotator behind Hamlib's rotctld (default 127.0.0.1:4533) to
      the heading from HOME to TARGET, or to the long path with --long, and
      prints the heading and the azimuth rotctld was sent, which is in the
      rotator's own range (224.2 is -135.8 on a rotator of -180 to 180):
        heading=224.2 azimuth=-135.8
      It returns once rotctld has taken the turn, not when the antenna
      arrives. An empty HOME or TARGET turns nothing: heading=none, and the
      reason on standard error.
  map HOME --png FILE [--target TARGET] [--size PIXELS] [--radius KM] [--utc YYYY-MM-DDTHH:MM] [--cty PATH]
      Draws the beam map centred on HOME into a PNG of PIXELS square (1000):
      the whole Earth or RADIUS km round home, the grey line of the UTC
      minute (now) and the beam to TARGET (a callsign too, as for bearing).
      Needs no display. Prints home's pixel and the pixels per kilometre,
      for scripts that add their marks:
        centre=500,500 scale=0.0236374
  --help
      This text.
  --version
      The version of Amateur Radio QVK that qvk-calc belongs to.

Latitudes beyond 90 degrees and longitudes beyond 180 are invalid input.
Text from the input that is echoed in a message shows control characters
as \xNN escapes.

Exit status: 0 done; 1 invalid input (the reason on standard error, a bad line
in "inverse" or "call", or no country file that reads); 2 an invalid clock
offset (the row shows 00: 00); 3 the rotator failed (its reason on standard
error); 64 bad arguments; 74 the output could not be written or the input not
read (the reason on standard error). A reader that stops reading, as
"| head -1" does, ends the command quietly.
)";

// The flags that take a value, written "--rotator HOST:PORT" or "--rotator=HOST:PORT".
bool takesValue(const std::string& flag)
{
    return flag == "--rotator" || flag == "--cty" || qvk::calc::isMapOptionWithValue(flag);
}

// A number of qvk-calc's own that is out of range: "latitude 1e308 is beyond 90 degrees".
int outOfRange(const std::string& name, const std::string& number, const char* limit)
{
    std::cerr << "qvk-calc: " << name << ' ' << qvk::calc::escapedForTerminal(number) << " is beyond " << limit << '\n';
    return kInvalidInput;
}

bool onlyFlags(const Arguments& arguments, std::initializer_list<const char*> allowed, std::string& unknown)
{
    for (const auto& flag : arguments.flags) {
        bool known = false;
        const auto equals = flag.find('=');
        const bool valued = equals != std::string::npos && takesValue(flag.substr(0, equals));
        const std::string name = valued ? flag.substr(0, equals) : flag;
        for (const char* a : allowed) known = known || name == a;
        if (!known) {
            unknown = flag;
            return false;
        }
    }
    return true;
}

std::optional<qvk::UtcTimeOfDay> parseUtcTime(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto hour = qvk::parseWholeNumber(text.substr(0, colon));
    const auto minute = qvk::parseWholeNumber(text.substr(colon + 1));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) return std::nullopt;
    return qvk::UtcTimeOfDay{static_cast<int>(*hour), static_cast<int>(*minute)};
}

std::optional<qvk::CivilDate> parseDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = qvk::parseWholeNumber(text.substr(0, 4));
    const auto month = qvk::parseWholeNumber(text.substr(5, 2));
    const auto day = qvk::parseWholeNumber(text.substr(8, 2));
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1) return std::nullopt;
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    const int monthLength[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*day > monthLength[*month - 1]) return std::nullopt;
    return qvk::CivilDate{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
}

// The heading from the first word's position to the second's, or the exit
// status when there is none.
struct Heading {
    std::optional<qvk::BearingResult> result;
    int status = kDone;
};

// An empty word (a script's unset variable, say) is a position not given: no
// heading, as the program shows none before a home station is stored.
bool isMissing(const std::string& word) { return word.find_first_not_of(" \t") == std::string::npos; }

Heading headingBetween(const Arguments& a, const char* noneLine, int noneStatus, const char* noneReason)
{
    qvk::calc::PositionReading home, target;
    if (!isMissing(a.words[0])) {
        home = qvk::calc::readPosition(a.words[0]);
        if (!home.ok) return {std::nullopt, invalidInput(home.error)};
    }
    if (!isMissing(a.words[1])) {
        target = qvk::calc::readTarget(a.words[1], a.value("--cty"));
        if (!target.ok) return {std::nullopt, invalidInput(target.error)};
    }
    if (!home.ok || !target.ok) {
        std::cout << noneLine << '\n';
        if (noneReason) std::cerr << "qvk-calc: " << noneReason << '\n';
        return {std::nullopt, noneStatus};
    }
    const auto [homeLatitude, homeLongitude] = home.position;
    const auto [targetLatitude, targetLongitude] = target.position;
    const auto result = qvk::inverseGeodesic(homeLatitude, homeLongitude, targetLatitude, targetLongitude);
    if (!result) {
        std::cout << "fault\n";
        return {std::nullopt, kInvalidInput};
    }
    return {result, kDone};
}

int bearing(const Arguments& a)
{
    const Heading heading = headingBetween(a, "bearing=none", kDone, nullptr);
    if (!heading.result) return heading.status;
    const qvk::BearingResult& result = *heading.result;
    std::cout << "bearing=" << qvk::formatFixed(result.bearing, 1)
              << " long-path=" << qvk::formatFixed(qvk::longPathHeading(result.bearing), 1)
              << " km=" << qvk::formatGrouped(qvk::metresToKilometres(result.distance), 0)
              << " mi=" << qvk::formatGrouped(qvk::metresToMiles(result.distance), 0)
              << " even=" << qvk::evenHeading(result.bearing) << '\n';
    return kDone;
}

int convert(const Arguments& a)
{
    const std::string pair = qvk::calc::normalisedAngleText(a.words[0]);
    const auto reading = qvk::calc::readPair(pair);
    if (!reading.ok) return invalidInput(reading.error);
    std::cout << qvk::windows1252ToUtf8(*qvk::toDecimalPair(pair)) << '\n';
    return kDone;
}

int grid(const Arguments& a)
{
    const std::string locator = qvk::calc::normalisedAngleText(a.words[0]);
    if (const auto warning = qvk::locatorWarning(locator)) return invalidInput(*warning);
    std::cout << qvk::windows1252ToUtf8(qvk::locatorCorner(locator)) << '\n';
    return kDone;
}

int locator(const Arguments& a)
{
    const auto reading = qvk::calc::readPair(qvk::calc::normalisedAngleText(a.words[0]) + "\\" +
                                             qvk::calc::normalisedAngleText(a.words[1]));
    if (!reading.ok) return invalidInput(reading.error);
    std::cout << qvk::GridCalc(reading.position.latitude, reading.position.longitude) << '\n';
    return kDone;
}

int sun(const Arguments& a)
{
    const auto latitude = qvk::parseDecimal(a.words[0]);
    const auto longitude = qvk::parseDecimal(a.words[1]);
    const auto offset = qvk::parseDecimal(a.words[2]);
    const auto date = parseDate(a.words[3]);
    if (!latitude || !longitude || !offset) return usageError("LAT, LON and OFFSET must be decimal numbers");
    if (!date) return usageError("the date must be a calendar date written YYYY-MM-DD");
    // found by hostile runs: a latitude of 1e308 printed a sunrise
    if (std::abs(*latitude) > 90) return outOfRange("latitude", a.words[0], "90 degrees");
    if (std::abs(*longitude) > 180) return outOfRange("longitude", a.words[1], "180 degrees");
    if (std::abs(*offset) > 14) return outOfRange("offset", a.words[2], "14 hours");
    qvk::SunRequest request;
    request.latitude = static_cast<double>(*latitude);
    request.longitude = static_cast<double>(*longitude);
    request.gmtOffset = static_cast<double>(*offset);
    request.military = a.has("--military");
    request.date = *date;
    const qvk::SunDay day = qvk::sunTimesForDay(request);
    std::cout << "rise=" << day.riseText << " set=" << day.setText << '\n';
    for (const auto& notice : day.firstRunNotices) std::cout << "message=" << notice << '\n';
    return kDone;
}

int clock(const Arguments& a)
{
    const auto utc = parseUtcTime(a.words[1]);
    if (!utc) return usageError("the time must be HH:MM, 00:00 to 23:59");
    const std::string place = qvk::utf8ToWindows1252(a.words[0]);
    const auto row = qvk::ComputePlaceTime(place, a.has("--dst"), a.has("--military"), *utc);
    switch (row.status) {
    case qvk::PlaceTime::Status::BadFraction:
        return invalidInput(qvk::badFractionWarning(place));
    case qvk::PlaceTime::Status::Invalid:
        std::cout << row.text << '\n';
        return kInvalidClockOffset;
    default:
        std::cout << row.text << '\n';
        return kDone;
    }
}

int gmt(const Arguments& a)
{
    const auto utc = parseUtcTime(a.words[0]);
    if (!utc) return usageError("the time must be HH:MM, 00:00 to 23:59");
    std::cout << qvk::gmtRowText(*utc, a.has("--military")) << '\n';
    return kDone;
}

int rotate(const Arguments& a)
{
    std::string host = qvk::rotator::kDefaultHost;
    int port = qvk::rotator::kDefaultPort;
    if (const auto address = a.value("--rotator")) {
        const auto parsed = qvk::rotator::parseAddress(*address);
        if (!parsed) return usageError("--rotator takes HOST:PORT, such as 127.0.0.1:4533");
        std::tie(host, port) = *parsed;
    }
    const Heading computed =
        headingBetween(a, "heading=none", kInvalidInput, "nothing to turn to: HOME or TARGET is empty");
    if (!computed.result) return computed.status;
    const qvk::BearingResult& result = *computed.result;
    const double heading = a.has("--long") ? qvk::longPathHeading(result.bearing) : result.bearing;
    const auto turn = qvk::calc::turnRotator(host, port, heading);
    if (!turn.ok) {
        std::cerr << qvk::calc::escapedForTerminal(turn.error) << '\n';
        return kRotatorFailed;
    }
    std::cout << "heading=" << qvk::formatFixed(heading, 1) << " azimuth=" << qvk::formatFixed(turn.azimuth, 1) << '\n';
    return kDone;
}

struct Command {
    const char* name;
    std::size_t words;
    std::initializer_list<const char*> flags;
    int (*run)(const Arguments&);
    std::size_t optionalWords = 0;  // may follow the `words` that must be given
};

const Command kCommands[] = {
    {"bearing", 2, {"--cty"}, bearing},
    {"convert", 1, {}, convert},
    {"grid", 1, {}, grid},
    {"locator", 2, {}, locator},
    {"sun", 4, {"--military"}, sun},
    {"clock", 2, {"--military", "--dst"}, clock},
    {"gmt", 1, {"--military"}, gmt},
    {"rotate", 2, {"--long", "--rotator", "--cty"}, rotate},
    {"call", 0, {"--cty"}, qvk::calc::callCommand, 1},
    {"cty", 0, {"--cty"}, qvk::calc::ctyCommand},
    {"map", 1, qvk::calc::kMapOptions, qvk::calc::beamMapCommand},
};

int runCommand(int argc, char** argv)
{
    if (argc < 2) return usageError("no command given");
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        std::cout << kUsage;
        return kDone;
    }
    if (name == "--version") {
        std::cout << "qvk-calc (Amateur Radio QVK) " << qvk::kVersion << '\n';
        return kDone;
    }
    Arguments arguments;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (takesValue(word)) {
            if (i + 1 == argc) return usageError(word + " needs a value");
            arguments.flags.push_back(word + "=" + argv[++i]);
            continue;
        }
        // "-6" and "-33.5" are numbers, not flags
        (word.rfind("--", 0) == 0 ? arguments.flags : arguments.words).push_back(word);
    }
    if (name == "inverse") {
        if (argc != 2) return usageError("inverse reads its lines from standard input and takes no arguments");
        return qvk::calc::inverseCommand();
    }
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        std::string unknown;
        if (!onlyFlags(arguments, command.flags, unknown)) return usageError("unknown option " + unknown);
        if (arguments.words.size() < command.words || arguments.words.size() > command.words + command.optionalWords)
            return usageError(
                name + " takes " + std::to_string(command.words) +
                (command.optionalWords ? " to " + std::to_string(command.words + command.optionalWords) : "") +
                " argument" + (command.words == 1 && command.optionalWords == 0 ? "" : "s"));
        return command.run(arguments);
    }
    return usageError("unknown command '" + name + "'");
}

}  // namespace

int main(int argc, char** argv)
{
    if (const auto closed = qvk::calc::checkStandardStreams()) return *closed;
    return qvk::calc::finishOutput(runCommand(argc, argv));
}
