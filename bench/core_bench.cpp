#include "orbit/central_bodies.hpp"
#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// One keystroke's computation: the input texts parsed, the stationary elements formed and written
// as texts, those texts read back by Generate, the state vector and both lines built.
void perKeystrokeComputation(benchmark::State& state) {
    const skyanchor::BodyConstants c = skyanchor::startConstants();
    const skyanchor::SyncInputs inputs{.rotationalPeriod = "86164.09", .mass = "5.973698968E+24", .obliquity = "23.45",
                                       .planetLan = "0", .sidRotOffset = "280.497218184246", .mjd = "60000.75",
                                       .longitude = "122", .west = true};
    std::string sma, inclination, node, anomaly;
    for (auto _ : state) {
        skyanchor::computeSyncElements(inputs, c.pi, c.gravConst, [&](skyanchor::SyncElement which, std::string_view text) {
            switch (which) {
            case skyanchor::SyncElement::SemiMajorAxis: sma = text; break;
            case skyanchor::SyncElement::Inclination: inclination = text; break;
            case skyanchor::SyncElement::AscendingNode: node = text; break;
            case skyanchor::SyncElement::MeanAnomaly: anomaly = text; break;
            }
        });
        benchmark::DoNotOptimize(skyanchor::generateLines({sma, "0", inclination, "0", node, anomaly}, c.pi, c.massFactor));
    }
}
BENCHMARK(perKeystrokeComputation);

}  // namespace
