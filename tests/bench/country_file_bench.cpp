// The country file: what reading it costs at start-up (one file, and the
// choice of the newest of three), and one callsign lookup.

#include "catalogue/callsign_lookup.h"
#include "catalogue/country_file_choice.h"

#include <benchmark/benchmark.h>

namespace {

const std::filesystem::path kShipped = std::filesystem::path(QVK_DATA_DIR) / qvk::kCountryFileName;

void ReadAndParseCountryFile(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qvk::readCountryFile(kShipped));
}
BENCHMARK(ReadAndParseCountryFile)->Unit(benchmark::kMillisecond);

void ParseCountryFileInMemory(benchmark::State& state)
{
    std::string problem;
    const auto lines = qvk::readCountryFileLines(kShipped, problem).value_or(std::vector<std::string>{});
    if (!std::holds_alternative<qvk::CountryFile>(qvk::parseCountryFile(lines))) state.SkipWithError("no parse");
    for (auto _ : state) benchmark::DoNotOptimize(qvk::parseCountryFile(lines));
}
BENCHMARK(ParseCountryFileInMemory)->Unit(benchmark::kMillisecond);

// The program's start-up case: no file of the operator's, the system's copy
// (where hamradio-files is installed) and the shipped one.
void ChooseNewestOfThree(benchmark::State& state)
{
    const auto candidates = qvk::countryFileCandidates("/nonexistent", QVK_DATA_DIR);
    for (auto _ : state) benchmark::DoNotOptimize(qvk::chooseNewestCountryFile(candidates));
    state.counters["files_read"] = std::filesystem::exists(qvk::kSystemCountryFile) ? 2 : 1;
}
BENCHMARK(ChooseNewestOfThree)->Unit(benchmark::kMillisecond);

void LookUpCall(benchmark::State& state)
{
    const auto reading = qvk::readCountryFile(kShipped);
    const std::vector<std::string> calls = {"JA1ABC", "K1ABC",   "VP2E/K1ABC", "W1AW/KH6",   "DL1ABC/P",
                                            "KG4ABC", "N2NL/MM", "UA9ABC/3",   "VE3ABC/QRP", "3D2EU"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(qvk::lookUpCall(reading.file->data, calls[i++ % calls.size()]));
}
BENCHMARK(LookUpCall);

}  // namespace

BENCHMARK_MAIN();
