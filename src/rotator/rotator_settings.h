#pragma once
// The rotator file "rotator.qvk" beside the program: four lines, written
// like the other settings files (CR LF, atomically).
//
//   1  "1" when the rotator is in use, "0" when the operator set it aside
//   2  the host of rotctld (127.0.0.1)
//   3  its TCP port (4533)
//   4  "1" to read the antenna's azimuth every second, "0" not to
//
// The file exists only once the operator has configured a rotator; without it
// the program never opens a connection.

#include <optional>
#include <string>
#include <vector>

namespace qvk::rotator {

inline constexpr const char* kRotatorFileName = "rotator.qvk";
inline constexpr const char* kDefaultHost = "127.0.0.1";
inline constexpr int kDefaultPort = 4533;  // rotctld's own default

struct RotatorSettings {
    bool enabled = true;
    std::string host = kDefaultHost;
    int port = kDefaultPort;
    bool poll = true;

    bool operator==(const RotatorSettings&) const = default;
};

// The settings of a file's lines. Missing lines keep their defaults; a port
// that is not a whole number from 1 to 65535, or a host that is empty or
// longer than any host name, is taken as the default, since rotctld is then
// most likely where it usually is.
RotatorSettings parseRotatorSettings(const std::vector<std::string>& lines);

std::vector<std::string> rotatorSettingsLines(const RotatorSettings& settings);

// "HOST:PORT", as the operator reads an address. A host with colons (IPv6)
// goes in brackets: "[::1]:4533".
std::string addressText(const std::string& host, int port);

// The HOST:PORT of a command line ("127.0.0.1:4533", "[::1]:4533"); nullopt
// when the port is missing or not from 1 to 65535.
std::optional<std::pair<std::string, int>> parseAddress(const std::string& text);

}  // namespace qvk::rotator
