#include "app/calc/call_command.h"

#include "app/calc/country_file_in_use.h"
#include "app/calc/exit_status.h"
#include "app/calc/line_batch.h"
#include "app/calc/terminal_text.h"
#include "catalogue/callsign_lookup.h"
#include "core/number_text.h"
#include "core/windows1252.h"

#include <iostream>

namespace qvk::calc {
namespace {

constexpr std::string_view kInvalidAnswer = "dxcc=invalid\n";

}  // namespace

CallAnswers::CallAnswers(const CountryFile& file) : file_(file)
{
    lines_.reserve(file.locations.size());
    for (const CountryLocation& location : file.locations) {
        const CountryEntity& entity = file.entityOf(location);
        lines_.push_back(
            windows1252ToUtf8("dxcc=" + std::to_string(entity.dxcc) + " prefix=" + entity.primaryPrefix +
                              " cont=" + location.continent + " cq=" + std::to_string(location.cqZone) +
                              " itu=" + std::to_string(location.ituZone) + " lat=" + formatFixed(location.latitude, 2) +
                              " lon=" + formatFixed(location.longitude, 2) + " name=" + entity.name + "\n"));
    }
}

std::string_view CallAnswers::answer(std::string_view call, std::string& error) const
{
    const CallLookup lookup = lookUpCall(file_, call);
    switch (lookup.outcome) {
    case CallLookup::Outcome::Entity:
        return lines_[static_cast<std::size_t>(lookup.location - file_.locations.data())];
    case CallLookup::Outcome::MaritimeMobile:
    case CallLookup::Outcome::AeronauticalMobile:
        return "dxcc=none\n";
    case CallLookup::Outcome::NoEntity:
        return "dxcc=unknown\n";
    default:
        error = lookup.reason;
        return kInvalidAnswer;
    }
}

int callCommand(const Arguments& arguments)
{
    const auto file = loadCountryFile(arguments.value("--cty"));
    if (!file) return kInvalidInput;
    const CallAnswers answers(file->data);
    if (arguments.words.empty()) {
        const auto answer = [&answers](std::string_view line, std::string& out, std::string& error) {
            out += answers.answer(line, error);
        };
        // one output line for every input line, a line too long among them, so that paste lines them up
        return runStandardLineBatch({.answer = answer, .tooLongAnswer = kInvalidAnswer});
    }
    std::string error;
    const std::string_view line = answers.answer(arguments.words[0], error);
    if (!error.empty()) {
        std::cerr << escapedForTerminal(error) << '\n';
        return kInvalidInput;
    }
    std::cout << line;
    return kDone;
}

int ctyCommand(const Arguments& arguments)
{
    const auto file = loadCountryFile(arguments.value("--cty"));
    if (!file) return kInvalidInput;
    const CountryFile& data = file->data;
    std::cout << "file=" << file->path.string() << " version=" << (data.version.empty() ? "none" : data.version)
              << " entities=" << data.entities.size() << " exact=" << data.exactCalls.size()
              << " prefixes=" << data.prefixes.size() << '\n';
    return kDone;
}

}  // namespace qvk::calc
