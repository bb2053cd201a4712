#include "time/date_text.hpp"
#include "ui/qt_date_locale.hpp"

#include <QLocale>
#include <QSet>

#include <benchmark/benchmark.h>

#include <array>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

// Instants with one- and two-digit fields, before and after noon, in several centuries.
constexpr std::array<double, 6> kSerials{46364.30810185185, 46364.80810185185, -657433.99998842593,
                                         2958465.5, 0.04402777777777778, 11202.5434};

// A date edit's round trip in one locale: the instant written as date text and read back.
void formatAndParse(benchmark::State& state, const std::shared_ptr<const skyanchor::DateTextCodec>& codec) {
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string text = skyanchor::formatDateText(kSerials[next], *codec);
        benchmark::DoNotOptimize(skyanchor::parseDateText(text, *codec));
        next = (next + 1) % kSerials.size();
    }
}

// The console report, and at its end the locale with the slowest median.
class SlowestMedianReporter : public benchmark::ConsoleReporter {
public:
    SlowestMedianReporter() : ConsoleReporter(OO_None) {}  // plain text, for logs and scripts

    void ReportRuns(const std::vector<Run>& reports) override {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            if (run.aggregate_name == "median" && run.GetAdjustedCPUTime() > slowestTime_) {
                slowestTime_ = run.GetAdjustedCPUTime();
                slowestName_ = run.benchmark_name();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::cout << "slowest median: " << slowestName_ << ", " << slowestTime_ << " ns per format and parse\n";
    }

private:
    double slowestTime_ = 0;
    std::string slowestName_;
};

}  // namespace

// One benchmark per locale Qt knows; five short repetitions each, reported by their median.
int main(int argc, char** argv) {
    QSet<QString> names;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (names.contains(locale.name())) continue;
        names.insert(locale.name());
        auto codec = std::make_shared<const skyanchor::DateTextCodec>(skyanchor::dateLocaleOf(locale));
        benchmark::RegisterBenchmark(("formatAndParse/" + locale.name().toStdString()).c_str(), formatAndParse, codec)
            ->MinTime(0.01)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    SlowestMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
