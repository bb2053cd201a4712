#include "form/satellite_set.hpp"
#include "ui/form1.hpp"
#include "ui/set_panel.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// One keystroke in the MJD field until the list holds the new lines and the readout says them:
// alternately a digit typed and taken back, so that every keystroke changes the text.
void mjdKeystroke(benchmark::State& state) {
    skyanchor::Form1 form;
    auto* mjd = form.findChild<QLineEdit*>(QStringLiteral("txtMJD"));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    mjd->setText(QStringLiteral("51544.5"));
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(mjd, typed ? Qt::Key_Backspace : Qt::Key_7);
        typed = !typed;
        benchmark::DoNotOptimize(list->item(0));
        benchmark::DoNotOptimize(form.model().readout().data());
    }
}
BENCHMARK(mjdKeystroke);

// The same keystroke with ten satellites in the set beside the form, until the list and the set
// (each row recomputed at the new instant) are updated.
void mjdKeystrokeWithTenSatellites(benchmark::State& state) {
    skyanchor::Form1 form;
    skyanchor::SetPanel panel(form.model(), nullptr, QString());
    form.setAfterEvent([&panel] { panel.formChanged(); });
    auto* mjd = form.findChild<QLineEdit*>(QStringLiteral("txtMJD"));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    mjd->setText(QStringLiteral("51544.5"));
    panel.findChild<QPushButton*>(QStringLiteral("addRing"))->click();
    if (panel.satelliteSet().rows().size() != 10) state.SkipWithError("the ring did not make ten satellites");
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(mjd, typed ? Qt::Key_Backspace : Qt::Key_7);
        typed = !typed;
        benchmark::DoNotOptimize(list->item(0));
        benchmark::DoNotOptimize(panel.satelliteSet().lines().back());
    }
}
BENCHMARK(mjdKeystrokeWithTenSatellites);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
