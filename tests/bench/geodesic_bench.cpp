// The cost of one beam heading, as the display computes it.

#include "core/geodesic.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

struct Pair {
    double homeLatitude, homeLongitude, targetLatitude, targetLongitude;
};

std::vector<Pair> randomPairs(std::size_t count)
{
    std::mt19937 generator(1);
    std::uniform_real_distribution<double> latitude(-89, 89), longitude(-179, 179);
    std::vector<Pair> pairs(count);
    for (auto& p : pairs) p = {latitude(generator), longitude(generator), latitude(generator), longitude(generator)};
    return pairs;
}

void CalculateBearingRandomPairs(benchmark::State& state)
{
    const auto pairs = randomPairs(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        const Pair& p = pairs[i++ % pairs.size()];
        qvk::CalculateBearing(p.homeLatitude, p.homeLongitude, p.targetLatitude, p.targetLongitude);
        benchmark::DoNotOptimize(qvk::lastBearingResult());
    }
}
BENCHMARK(CalculateBearingRandomPairs);

void CalculateBearingAlabamaToLondon(benchmark::State& state)
{
    for (auto _ : state) {
        qvk::CalculateBearing(32.65, 86.72, 51.5, 0.12);
        benchmark::DoNotOptimize(qvk::lastBearingResult());
    }
}
BENCHMARK(CalculateBearingAlabamaToLondon);

// Within a degree of the antipode Vincenty runs its 100 passes, then GeographicLib answers.
void CalculateBearingBeyondVincenty(benchmark::State& state)
{
    for (auto _ : state) {
        qvk::CalculateBearing(40.42, 3.70, -40.6, -176.5);
        benchmark::DoNotOptimize(qvk::lastBearingResult());
    }
}
BENCHMARK(CalculateBearingBeyondVincenty);

}  // namespace

BENCHMARK_MAIN();
