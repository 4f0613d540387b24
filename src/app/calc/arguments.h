#pragma once
// A qvk-calc command's arguments: its words, with its --flags taken out.

#include <optional>
#include <string>
#include <vector>

namespace qvk::calc {

// A flag with a value is kept as "--name=value".
struct Arguments {
    std::vector<std::string> words;
    std::vector<std::string> flags;

    bool has(const std::string& flag) const
    {
        for (const auto& f : flags)
            if (f == flag) return true;
        return false;
    }
    std::optional<std::string> value(const std::string& flag) const
    {
        for (const auto& f : flags)
            if (f.rfind(flag + "=", 0) == 0) return f.substr(flag.size() + 1);
        return std::nullopt;
    }
};

}  // namespace qvk::calc
