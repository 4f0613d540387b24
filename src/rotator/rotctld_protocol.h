#pragma once
// rotctld's default protocol, as far as this program speaks it.
//
// A command is one line ending in "\n". "P az el" (turn) and "S" (stop) are
// answered by one line "RPRT n", n being 0 on success and a negative Hamlib
// error code otherwise. "p" (read the position) is answered by two lines, the
// azimuth and the elevation ("6.01\n0.00\n"), or by one "RPRT n" line when it
// fails. "\dump_caps" is answered by many "Key:\tvalue" lines that end with a
// "RPRT n" line. Numbers go out with "." whatever the locale.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvk::rotator {

// The longest reply line a rotctld sends is about 250 bytes (the status flags
// of \dump_caps); a longer one, or a line that never ends, is a server that
// misbehaves.
inline constexpr std::size_t kLongestReplyLine = 512;

// How the reply to a command ends.
enum class ReplyShape {
    Report,  // one "RPRT n" line
    Values,  // `valueLines` lines, or one "RPRT n" line instead
    Listing  // any number of lines, the last one "RPRT n"
};

struct Command {
    std::string text;  // with its "\n"
    ReplyShape shape = ReplyShape::Report;
    std::size_t valueLines = 0;
};

// "P 224.20 0.00\n": two decimals, finer than any rotator turns.
Command setPositionCommand(double azimuth, double elevation);
Command getPositionCommand();
Command stopCommand();
Command dumpCapsCommand();

// The n of a line "RPRT n"; nullopt for any other line.
std::optional<int> reportCode(std::string_view line);

// Whether `lines` (without their line ends) hold the whole reply to `command`.
bool replyComplete(const Command& command, const std::vector<std::string>& lines);

// The most lines a reply to `command` has: 1 for a report, the value lines,
// and for a listing a few times the 80-odd of Hamlib's \dump_caps. Lines
// beyond it are a server that misbehaves.
std::size_t mostReplyLines(const Command& command);

// The error code of a whole reply: the code of its "RPRT n" line when n is
// not 0; nullopt for a reply without one or with "RPRT 0".
std::optional<int> replyError(const std::vector<std::string>& lines);

struct Position {
    double azimuth = 0;  // in the rotator's own range, which may run below 0 or past 360
    double elevation = 0;
};

// The two lines of a successful "p" reply; nullopt unless both are numbers.
std::optional<Position> positionFromReply(const std::vector<std::string>& lines);

}  // namespace qvk::rotator
