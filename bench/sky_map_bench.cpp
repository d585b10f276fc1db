// The sky map: a new instant's star positions (the same day: only the
// rotation and refraction; a new day: the places of date too), and a full
// repaint of the disc at 1600×1000 with every star of the catalogue, the
// constellation lines and all labels, laid out and painted into an image.
// Run on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "classic_sky_model.h"
#include "sky_map_painter.h"
#include "star_catalogue.h"

namespace {

constexpr double evening = 2461382.333333;  // 2026-12-07 20:00 UT

void StarPositionsNewInstant(benchmark::State& state) {
    zenlith::stars::StarPositions positions;
    const zenlith::Place place = zenlith::originalSite();
    const double step = state.range(0) ? 1.0 : 1.0 / 1440;  // a day or a minute
    double instant = evening;
    positions.moveTo(instant, place);
    for (auto _ : state) {
        instant += step;
        positions.moveTo(instant, place);
        benchmark::DoNotOptimize(positions.horizontal().data());
    }
}
BENCHMARK(StarPositionsNewInstant)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void DiscRepaint(benchmark::State& state) {
    zenlith::stars::StarPositions positions;
    positions.moveTo(evening, zenlith::originalSite());
    zenlith::Engine engine;
    zenlith::ClassicSkyModel model(engine);
    const zenlith::SkyPlaces bodies = model.placesAt(evening);
    zenlith::SkyMapLook look;
    look.sky = zenlith::skyColourFor(bodies.bodies[zenlith::sunIndex].Alt);
    const QFontMetricsF metrics(look.font);
    zenlith::sky_map::SceneOptions options;
    options.magnitudeLimit = 99;  // every star
    options.textWidth = [&](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    options.textHeight = metrics.height();
    const auto projection = zenlith::sky_map::SkyProjection::disc(1600, 1000);
    QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto scene = zenlith::sky_map::composeScene(projection, positions.horizontal(), bodies, options);
        QPainter painter(&image);
        zenlith::paintSkyMap(painter, scene, projection, look);
    }
}
BENCHMARK(DiscRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
