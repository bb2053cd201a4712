#include "test_locales.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>

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

// The forms that once took time growing with the square of their length: words of the locale's
// patterns glued into one run of letters, month names glued likewise, and numbers between
// separators. Each is read at 1, 10 and 100 kB, and at the fields' longest text, 200 characters;
// the time per byte should stay flat.
struct Hostile {
    const skyanchor::DateLocale* locale;
    const char* unit;
};
const std::array<Hostile, 6> kHostile{{{&skyanchor::test::kUnitedStates, "at"},
                                       {&skyanchor::test::kGermany, "um"},
                                       {&skyanchor::test::kJapan, "年"},
                                       {&skyanchor::test::kIsrael, "ב"},
                                       {&skyanchor::test::kUnitedStates, "dec"},
                                       {&skyanchor::test::kUnitedStates, "12/"}}};

void hostileDateText(benchmark::State& state) {
    const Hostile& form = kHostile[static_cast<std::size_t>(state.range(0))];
    const skyanchor::DateTextCodec codec(*form.locale);
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(1))) text += form.unit;
    (void)skyanchor::readDateText("12/8/2026", codec);  // the reading tables, built once
    for (auto _ : state) benchmark::DoNotOptimize(skyanchor::readDateText(text, codec));
    state.SetLabel(std::string(form.unit) + " x " + std::to_string(text.size() / std::strlen(form.unit)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(hostileDateText)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {200, 1 << 10, 10 << 10, 100 << 10}})->Unit(benchmark::kMicrosecond);

}  // namespace
