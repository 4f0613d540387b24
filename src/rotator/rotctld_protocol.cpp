#include "rotator/rotctld_protocol.h"

#include "core/number_text.h"

namespace qvk::rotator {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

Command setPositionCommand(double azimuth, double elevation)
{
    return {"P " + formatFixed(azimuth, 2) + " " + formatFixed(elevation, 2) + "\n", ReplyShape::Report, 0};
}

Command getPositionCommand() { return {"p\n", ReplyShape::Values, 2}; }

Command stopCommand() { return {"S\n", ReplyShape::Report, 0}; }

Command dumpCapsCommand() { return {"\\dump_caps\n", ReplyShape::Listing, 0}; }

std::optional<int> reportCode(std::string_view line)
{
    line = trimmed(line);
    constexpr std::string_view kPrefix = "RPRT ";
    if (line.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    const auto code = parseWholeNumber(line.substr(kPrefix.size()));
    if (!code) return std::nullopt;
    return static_cast<int>(*code);
}

bool replyComplete(const Command& command, const std::vector<std::string>& lines)
{
    if (lines.empty()) return false;
    switch (command.shape) {
    case ReplyShape::Report:
        return true;
    case ReplyShape::Values:
        return reportCode(lines.front()).has_value() || lines.size() >= command.valueLines;
    case ReplyShape::Listing:
        return reportCode(lines.back()).has_value();
    }
    return false;
}

std::size_t mostReplyLines(const Command& command)
{
    switch (command.shape) {
    case ReplyShape::Report:
        return 1;
    case ReplyShape::Values:
        return command.valueLines;
    case ReplyShape::Listing:
        return 400;
    }
    return 1;
}

std::optional<int> replyError(const std::vector<std::string>& lines)
{
    for (const auto& line : lines) {
        const auto code = reportCode(line);
        if (code && *code != 0) return code;
    }
    return std::nullopt;
}

std::optional<Position> positionFromReply(const std::vector<std::string>& lines)
{
    if (lines.size() < 2) return std::nullopt;
    const auto azimuth = parseDecimal(trimmed(lines[0]));
    const auto elevation = parseDecimal(trimmed(lines[1]));
    if (!azimuth || !elevation) return std::nullopt;
    return Position{static_cast<double>(*azimuth), static_cast<double>(*elevation)};
}

}  // namespace qvk::rotator
