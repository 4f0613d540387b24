#include "rotator/rotator_settings.h"

#include "core/number_text.h"

namespace qvk::rotator {
namespace {

constexpr std::size_t kLongestHostName = 253;  // the longest name DNS can hold

std::optional<int> portNumber(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const auto number = parseWholeNumber(text);
    if (!number || *number < 1 || *number > 65535) return std::nullopt;
    return static_cast<int>(*number);
}

}  // namespace

RotatorSettings parseRotatorSettings(const std::vector<std::string>& lines)
{
    RotatorSettings settings;
    const auto line = [&](std::size_t index) { return index < lines.size() ? lines[index] : std::string(); };
    if (lines.size() > 0) settings.enabled = line(0) == "1";
    if (!line(1).empty() && line(1).size() <= kLongestHostName) settings.host = line(1);
    if (const auto port = portNumber(line(2))) settings.port = *port;
    if (lines.size() > 3) settings.poll = line(3) == "1";
    return settings;
}

std::vector<std::string> rotatorSettingsLines(const RotatorSettings& settings)
{
    return {settings.enabled ? "1" : "0", settings.host, std::to_string(settings.port), settings.poll ? "1" : "0"};
}

std::string addressText(const std::string& host, int port)
{
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<std::pair<std::string, int>> parseAddress(const std::string& text)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    std::string host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    else if (host.find(':') != std::string::npos)
        return std::nullopt;  // IPv6 needs its brackets
    const auto port = portNumber(text.substr(colon + 1));
    if (!port) return std::nullopt;
    return std::make_pair(host, *port);
}

}  // namespace qvk::rotator
