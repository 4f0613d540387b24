#include "catalogue/prefix_aliases.h"

#include <vector>

namespace qvk {
namespace {

struct AliasRow {
    std::string_view canonical;
    std::vector<std::string_view> aliases;
};

// Since the Netherlands Antilles were dissolved (2010), PJ5 and PJ6 are Saba &
// St. Eustatius and PJ7 and PJ8 Sint Maarten: typing PJ7 must not lead to Saba.
// clang-format off
const std::vector<AliasRow> kAliasRows = {
    {"4J", {"4K"}}, {"5H", {"5I"}}, {"5N", {"5O"}}, {"5R", {"5S"}}, {"5Y", {"5Z"}}, {"6V", {"6W"}},
    {"9I", {"9J"}}, {"9Y", {"9Z"}}, {"D2", {"D3"}}, {"EI", {"EJ"}}, {"EP", {"EQ"}}, {"HC", {"HD"}},
    {"HJ", {"HK"}}, {"HO", {"HP"}}, {"HQ", {"HR"}}, {"KH6", {"KH7"}}, {"KP3", {"KP4"}}, {"OK", {"OL"}},
    {"ZL", {"ZM"}}, {"C8", {"C9"}},
    {"EM", {"EN", "EO"}}, {"JT", {"JU", "JV"}}, {"OA", {"OB", "OC"}}, {"EU", {"EV", "EW"}},
    {"TA", {"TB", "TC"}}, {"ZR", {"ZS", "ZT", "ZU"}}, {"YO", {"YP", "YQ", "YR"}},
    {"4P", {"4Q", "4R", "4S"}}, {"PJ5", {"PJ6"}}, {"PJ7", {"PJ8"}}, {"7T", {"7U", "7V", "7W", "7X", "7Y"}},
    {"9Q", {"9R", "9S", "9T"}}, {"AP", {"AQ", "AR", "AS"}}, {"CA", {"CB", "CC", "CD", "CE"}},
    {"CV", {"CW", "CX"}}, {"EA", {"EB", "EC", "ED", "EE", "EF", "EG", "EH"}}, {"OF", {"OG", "OH", "OI"}},
    {"SN", {"SO", "SP", "SQ", "SR"}}, {"SV", {"SW", "SX", "SY", "SZ"}}, {"UJ", {"UK", "UL", "UM"}},
    {"UN", {"UO", "UP", "UQ"}}, {"UR", {"US", "UT", "UU", "UV", "UW", "UX", "UY", "UZ"}},
    {"EA6", {"EB6", "EC6", "ED6", "EE6", "EF6", "EG6", "EH6"}},
    {"EA8", {"EB8", "EC8", "ED8", "EE8", "EF8", "EG8", "EH8"}},
    {"EA9", {"EB9", "EC9", "ED9", "EE9", "EF9", "EG9", "EH9"}},
    {"DA", {"DB", "DC", "DD", "DE", "DF", "DG", "DH", "DI", "DJ", "DK", "DL"}},
    {"DU", {"DV", "DW", "DX", "DY", "DZ"}}, {"ON", {"OO", "OP", "OQ", "OR", "OS", "OT"}},
    {"PA", {"PB", "PC", "PD", "PE", "PF", "PG", "PH", "PI"}},
    {"XA", {"XB", "XC", "XD", "XE", "XF", "XG", "XH", "XI"}},
    {"UA", {"UB", "UC", "UD", "UE", "UF", "UG", "UH", "UI"}},
    {"XA4", {"XB4", "XC4", "XD4", "XE4", "XF4", "XG4", "XH4", "XI4"}},
    {"YB", {"YC", "YD", "YE", "YF", "YG", "YH"}},
    {"LO", {"LP", "LQ", "LR", "LS", "LT", "LU", "LV", "LW"}},
    {"PP", {"PQ", "PR", "PS", "PT", "PU", "PV", "PW", "PX", "PY"}},
    {"LA", {"LB", "LC", "LD", "LE", "LF", "LG", "LH", "LI", "LJ", "LK", "LL", "LM", "LN"}},
    {"SA", {"SB", "SC", "SD", "SE", "SF", "SG", "SH", "SI", "SJ", "SK", "SL", "SM"}},
    {"JA", {"JB", "JC", "JD", "JE", "JF", "JG", "JH", "JI", "JJ", "JK", "JL", "JM", "JN", "JO", "JP", "JQ", "JR", "JS"}},
    {"AA", {"AB", "AC", "AD", "AE", "AF", "AG", "AH", "AI", "AJ", "AK"}},
    {"RA", {"RB", "RC", "RD", "RE", "RF", "RG", "RH", "RI", "RJ", "RK", "RL", "RM", "RN", "RO", "RP", "RQ",
            "RR", "RS", "RT", "RU", "RV", "RW", "RX", "RY", "RZ"}},
};
// clang-format on

std::vector<PrefixAlias> flattened()
{
    std::vector<PrefixAlias> all;
    for (const auto& row : kAliasRows)
        for (const auto alias : row.aliases) all.push_back({alias, row.canonical});
    return all;
}

}  // namespace

const std::vector<PrefixAlias>& prefixAliases()
{
    static const std::vector<PrefixAlias> all = flattened();
    return all;
}

std::optional<std::string_view> canonicalPrefix(std::string_view text)
{
    for (const auto& [alias, canonical] : prefixAliases())
        if (alias == text) return canonical;
    return std::nullopt;
}

}  // namespace qvk
