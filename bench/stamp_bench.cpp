// One stamp, from the press on the map canvas to the pixels in its surface:
// snapshot of the brush, decode, draw with white left out. Run with brushes
// of 32 and 512 pixels on maps of 512 and 16384 pixels; then memory across
// 100,000 stamps.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "editor/ControlNames.h"
#include "editor/Handlers.h"
#include "tests/support/FakeControls.h"

namespace {

using namespace qv;

struct StampRig {
    test::FakeControls controls;
    Editor editor{controls};

    StampRig(std::int32_t brushSize, std::int32_t mapSize) {
        setEditorDefaults(editor.state);
        Canvas& map = controls.canvas(names::画板2);
        map.setWidth(mapSize + 2);
        map.setHeight(mapSize + 2);
        Canvas& brush = controls.canvas(names::画板3);
        brush.setWidth(brushSize);
        brush.setHeight(brushSize);
        // A brush with a pattern and a quarter of pure white, like a sprite.
        for (std::int32_t y = 0; y < brushSize; ++y)
            for (std::int32_t x = 0; x < brushSize; ++x)
                brush.pixels().row(y)[x] = (x + y) % 4 == 0 ? rgbPixel(255, 255, 255)
                                                            : rgbPixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90);
    }

    // Every press lands somewhere in the top-left cell, so every stamp draws
    // the whole brush at the map's origin: only the map's size differs.
    void stamp(std::int64_t i) {
        onMapPressed(editor, static_cast<std::int32_t>(i % 32), static_cast<std::int32_t>((i / 32) % 32), 0);
    }
};

void BM_Stamp(benchmark::State& state) {
    const auto brushSize = static_cast<std::int32_t>(state.range(0));
    const auto mapSize = static_cast<std::int32_t>(state.range(1));
    StampRig rig(brushSize, mapSize);
    std::int64_t i = 0;
    for (auto _ : state) rig.stamp(i++);
    benchmark::DoNotOptimize(rig.controls.canvas(names::画板2).pixels().pixels.data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Stamp)
    ->ArgNames({"brush", "map"})
    ->Args({32, 512})
    ->Args({32, 16384})
    ->Args({512, 512})
    ->Args({512, 16384})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// Collects the medians so the summary can set them side by side.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medianMicros;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medianMicros[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto median = [&](const char* name) {
        const auto it = reporter.medianMicros.find(name);
        return it == reporter.medianMicros.end() ? -1.0 : it->second;
    };
    const double small512 = median("BM_Stamp/brush:32/map:512");
    const double small16k = median("BM_Stamp/brush:32/map:16384");
    const double big512 = median("BM_Stamp/brush:512/map:512");
    const double big16k = median("BM_Stamp/brush:512/map:16384");
    std::printf("\nStamp summary (median microseconds)\n");
    std::printf("  32 x 32 brush:   %8.2f on 512, %8.2f on 16384  (ratio %.2f; target: under 50 us, no growth)\n",
                small512, small16k, small512 > 0 ? small16k / small512 : 0.0);
    std::printf("  512 x 512 brush: %8.2f on 512, %8.2f on 16384  (ratio %.2f; target: no growth)\n", big512,
                big16k, big512 > 0 ? big16k / big512 : 0.0);

    // Memory across 100,000 stamps of a 32 x 32 brush on a 512 x 512 map.
    StampRig rig(32, 512);
    for (int i = 0; i < 1000; ++i) rig.stamp(i);  // warm up the allocator
    const long before = residentKiB();
    for (int i = 0; i < 100000; ++i) rig.stamp(i);
    const long after = residentKiB();
    std::printf("  100,000 stamps: resident %ld KiB before, %ld KiB after (growth %ld KiB), %zu pictures kept\n",
                before, after, after - before, rig.editor.pictures.size());
    benchmark::Shutdown();
    return 0;
}
