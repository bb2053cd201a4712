#include "form/satellite_set.hpp"
#include "text/vector_lines.hpp"
#include "ui/beside_form.hpp"
#include "ui/form1.hpp"
#include "ui/orbit_picture.hpp"
#include "ui/set_panel.hpp"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

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

// The same keystroke with ten satellites in the set beside the form, until the list, the set
// (each row recomputed at the new instant) and the picture (given its new data and painted) are
// updated.
void mjdKeystrokeWithTenSatellites(benchmark::State& state) {
    skyanchor::Form1 form;
    const auto* beside = new skyanchor::BesideForm(form, nullptr, QString());
    form.showBeside(true);  // hidden, the panel would wait rather than follow the keystroke
    auto* mjd = form.findChild<QLineEdit*>(QStringLiteral("txtMJD"));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    mjd->setText(QStringLiteral("51544.5"));
    beside->findChild<QPushButton*>(QStringLiteral("addRing"))->click();
    if (beside->setPanel().satelliteSet().rows().size() != 10) state.SkipWithError("the ring did not make ten satellites");
    const skyanchor::OrbitPicture& picture = beside->picture();
    QImage image(picture.sizeHint(), QImage::Format_ARGB32_Premultiplied);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(mjd, typed ? Qt::Key_Backspace : Qt::Key_7);
        typed = !typed;
        benchmark::DoNotOptimize(list->item(0));
        const_cast<skyanchor::OrbitPicture&>(picture).render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(mjdKeystrokeWithTenSatellites);

// The picture of ten satellites given new data, as a keystroke that moves the instant gives it
// (each place read back from an RPOS line), and painted into an image.
void pictureOfTen(benchmark::State& state) {
    skyanchor::OrbitPicture picture;
    picture.resize(picture.sizeHint());
    QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<std::string> lines;
    for (int index = 0; index < 10; ++index) {
        const double angle = index * 0.17;
        lines.push_back(skyanchor::buildVectorLines({42164e3 * std::cos(angle), 38682e3 * std::sin(angle), 16781e3 * std::sin(angle)}, {}).rpos);
    }
    double mjd = 61382.3;
    for (auto _ : state) {
        skyanchor::PictureData data{.siderealAngle = skyanchor::siderealAngle(mjd += 0.001, 280.497218184246), .earthRadius = 6378e3,
                                    .satellites = {}, .current = 0};
        for (const std::string& line : lines) data.satellites.push_back(*skyanchor::satelliteOfLine(line, {23.45, 0.0, 280.497218184246}));
        picture.setData(std::move(data));
        picture.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(pictureOfTen);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
