// The Beam Map's speed on a 1000 x 1000 map: opening the window, re-centring
// on a new home, a repaint while panning, the grey line's minute update, and
// the memory the open map takes. Built into the program folder, so that it
// reads the program's own land and DXCC files.

#include "ui/beammap/beam_map_canvas.h"
#include "ui/beammap/beam_map_window.h"
#include "ui/common/desktop_platform.h"
#include "ui/common/program_style.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

const qvk::SignedPosition kAlabama{32.65L, 86.72L};
const qvk::SignedPosition kSydney{-33.87L, -151.22L};
const qvk::SignedPosition kJapan{35.68L, -139.77L};

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

// The window as the program makes it at its start, its files read meanwhile.
std::unique_ptr<qvk::ui::BeamMapWindow> madeWindow(qvk::ui::Platform& platform)
{
    auto window = std::make_unique<qvk::ui::BeamMapWindow>(platform);
    while (!window->hasReadMapFiles()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return window;
}

// Opens it on a 1000 x 1000 map from Alabama with the beam to Japan.
void open(qvk::ui::BeamMapWindow& window)
{
    window.setHome(kAlabama);
    window.setTarget("JA", kJapan);
    window.show();
    window.resize(window.size() + (QSize(1000, 1000) - window.canvas().size()));
    QApplication::processEvents();
}

void paint(qvk::ui::BeamMapCanvas& canvas, QImage& image)
{
    canvas.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

// The window opened, with a picture of the map's size to paint into.
struct OpenMap {
    OpenMap() { open(*window); }
    void draw() { paint(canvas, image); }
    qvk::ui::DesktopPlatform platform;
    std::unique_ptr<qvk::ui::BeamMapWindow> window = madeWindow(platform);
    qvk::ui::BeamMapCanvas& canvas = window->canvas();
    QImage image{1000, 1000, QImage::Format_ARGB32_Premultiplied};
};

// The parts of opening: reading the files, projecting the world for a home.
void ReadMapFiles(benchmark::State& state)
{
    qvk::ui::DesktopPlatform platform;
    for (auto _ : state) benchmark::DoNotOptimize(qvk::beammap::readBeamMapData(platform.dataFolder()).data);
}

// Each level of the world (kWorldLevels): the lightest (range 0), projected
// while the window opens, and the finer ones, projected on another thread
// meanwhile; all here on every core.
void ProjectTheWorld(benchmark::State& state)
{
    qvk::ui::DesktopPlatform platform;
    const auto data = qvk::beammap::readBeamMapData(platform.dataFolder()).data;
    for (auto _ : state) {
        const qvk::beammap::AzimuthalProjection projection(qvk::beammap::mapPoint(kAlabama));
        const auto level = static_cast<std::size_t>(state.range(0));
        const qvk::beammap::ProjectedWorld world(
            data->levels[level], projection,
            qvk::beammap::ProjectedWorld::Work{qvk::beammap::kWorldLevels[level].longestEdgeDegrees});
        benchmark::DoNotOptimize(world.land().size());
    }
}

void ProjectTheGreyLine(benchmark::State& state)
{
    const qvk::beammap::AzimuthalProjection projection(qvk::beammap::mapPoint(kAlabama));
    double minute = 1796770800;  // 2026-12-08 23:00 UTC
    for (auto _ : state) benchmark::DoNotOptimize(qvk::beammap::greyLineAt(minute += 60, projection).night);
}

void OpenBeamMap(benchmark::State& state)
{
    qvk::ui::DesktopPlatform platform;
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    // the first opening tells the memory the map takes; later ones reuse freed memory
    const double before = residentMegabytes();
    double extra = -1;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = madeWindow(platform);  // at the program's start
        state.ResumeTiming();
        open(*window);
        paint(window->canvas(), image);
        state.PauseTiming();
        while (!window->map()->hasDetail())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));  // part of it too
        if (extra < 0) extra = residentMegabytes() - before;
        window.reset();
        state.ResumeTiming();
    }
    state.counters["extra_MB"] = extra;
}

void RecentreOnNewHome(benchmark::State& state)
{
    OpenMap map;
    bool sydney = false;
    for (auto _ : state) {
        sydney = !sydney;
        map.window->setHome(sydney ? kSydney : kAlabama);
        map.draw();
    }
}

// Three pixels a frame; a pan beyond the kept picture's margin redraws the land.
void RepaintWhilePanning(benchmark::State& state)
{
    OpenMap map;
    map.canvas.view().setRadiusKm(static_cast<double>(state.range(0)));
    map.draw();
    int frame = 0;
    for (auto _ : state) {
        map.canvas.view().panByPixels(QPointF((frame++ / 200) % 2 == 0 ? 3 : -3, 1));
        map.canvas.viewChanged();
        map.draw();
    }
}

// The worst frame of a pan: the land drawn again.
void RedrawTheLand(benchmark::State& state)
{
    OpenMap map;
    map.canvas.view().setRadiusKm(static_cast<double>(state.range(0)));
    for (auto _ : state) {
        map.canvas.baseChanged();
        map.draw();
    }
}

void GreyLineMinuteUpdate(benchmark::State& state)
{
    OpenMap map;
    map.draw();
    for (auto _ : state) {
        map.window->updateSunlight();
        map.draw();
    }
}

}  // namespace

BENCHMARK(ReadMapFiles)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(ProjectTheWorld)->Unit(benchmark::kMillisecond)->Iterations(8)->DenseRange(0, 2);
BENCHMARK(ProjectTheGreyLine)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenBeamMap)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(RecentreOnNewHome)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(RepaintWhilePanning)->Unit(benchmark::kMillisecond)->Arg(21800)->Arg(5000)->Arg(1000);
BENCHMARK(RedrawTheLand)->Unit(benchmark::kMillisecond)->Arg(21800)->Arg(5000)->Arg(1000);
BENCHMARK(GreyLineMinuteUpdate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qvk::ui::applyProgramLook(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
