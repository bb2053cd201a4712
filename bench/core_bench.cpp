#include "form/controls.hpp"
#include "form/form1_model.hpp"
#include "test_locales.hpp"

#include <benchmark/benchmark.h>

namespace {

// One keystroke in the MJD field through the form alone: the date rewritten, the elements
// computed and written, the lines built, the place read back; and with its readout written in
// words, as a view that shows it asks for. Alternately a digit typed and taken back, so that
// every keystroke changes the text.
void mjdKeystrokeThroughTheForm(benchmark::State& state, bool readout) {
    skyanchor::Form1Model form({.readClock = [] { return 46364.30810185185; },
                                .clipboard = nullptr,
                                .dateLocale = skyanchor::test::kUnitedStates,
                                .numbers = {}});
    form.edit(skyanchor::Control::txtMJD, "51544.5");
    bool typed = false;
    for (auto _ : state) {
        form.edit(skyanchor::Control::txtMJD, typed ? "51544.5" : "51544.57");
        typed = !typed;
        benchmark::DoNotOptimize(form.positionLine().data());
        if (readout) benchmark::DoNotOptimize(form.readout().data());
    }
}
BENCHMARK_CAPTURE(mjdKeystrokeThroughTheForm, lines, false);
BENCHMARK_CAPTURE(mjdKeystrokeThroughTheForm, linesAndReadout, true);

}  // namespace
