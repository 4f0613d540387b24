#pragma once
// The DXCC prefix aliases: a typed prefix that the DXCC list files under
// another one ("4K" under "4J", "DL" under "DA") is rewritten to it, so that
// the list's typed search lands on the entity. Only a whole typed text is an
// alias: "4K1" stays as it is.

#include <optional>
#include <string_view>
#include <vector>

namespace qvk {

// The canonical prefix for a text that is exactly an alias (letter case
// counts); nullopt for any other text.
std::optional<std::string_view> canonicalPrefix(std::string_view text);

struct PrefixAlias {
    std::string_view alias;
    std::string_view canonical;
};

// All 266 aliases, in the order they are tried.
const std::vector<PrefixAlias>& prefixAliases();

}  // namespace qvk
