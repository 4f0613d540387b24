#pragma once
// qvk-calc call and cty: a callsign's DXCC entity, one call or a log's worth
// from standard input, and the figures of the country file in use.

#include "app/calc/arguments.h"
#include "catalogue/country_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace qvk::calc {

// The answer lines of every location of a file, made once: a million calls
// then cost a million lookups and no number formatting.
class CallAnswers {
public:
    explicit CallAnswers(const CountryFile& file);

    // "dxcc=291 prefix=K cont=NA cq=5 itu=8 lat=37.60 lon=91.87 name=United States\n",
    // "dxcc=none\n" (/MM, /AM), "dxcc=unknown\n", or for a text that is no
    // callsign "dxcc=invalid\n" with `error` set to the reason.
    std::string_view answer(std::string_view call, std::string& error) const;

private:
    const CountryFile& file_;
    std::vector<std::string> lines_;  // by location
};

// call [CALL] [--cty PATH]: without CALL, one call a line from standard input.
int callCommand(const Arguments& arguments);

// cty [--cty PATH]: "file=PATH version=20230502 entities=340 exact=18471 prefixes=7719".
int ctyCommand(const Arguments& arguments);

}  // namespace qvk::calc
