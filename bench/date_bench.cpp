#include "test_locales.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <benchmark/benchmark.h>

namespace {

// A date edit's conversions: the instant written as date text, read back, and turned into an MJD.
void dateTextRoundTrip(benchmark::State& state) {
    const skyanchor::DateTextCodec codec(skyanchor::test::kUnitedStates);
    const double serial = 46364.30810185185;  // 8 December 2026, 07:23:40
    for (auto _ : state) {
        const std::string text = skyanchor::formatDateText(serial, codec);
        benchmark::DoNotOptimize(skyanchor::mjd(skyanchor::parseDateText(text, codec)));
    }
}
BENCHMARK(dateTextRoundTrip);

}  // namespace
