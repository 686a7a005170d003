// One timer tick of the start picture's water: a wave step and a refracted frame over 330 x 286
// pixels, with the water kept moving by a fresh drop each time. Goal: at most 0.5 ms.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "app/RippleEffect.h"

namespace {

void BM_RippleStepAndFrame(benchmark::State& state) {
    constexpr int kWidth = 330;
    constexpr int kHeight = 286;
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(kWidth * kHeight));
    for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 40503u);
    nomvera::app::RippleEffect effect;
    effect.Attach(picture.data(), kWidth, kHeight, true);
    // Waves over the whole picture before timing starts.
    for (int i = 0; i < 200; ++i) {
        effect.Drop(10 + (i * 37) % 310, 10 + (i * 53) % 266, 5, 120);
        effect.Step();
    }
    int i = 0;
    for (auto _ : state) {
        effect.Drop(10 + (i * 37) % 310, 10 + (i * 53) % 266, 5, 25);
        ++i;
        effect.Step();
        benchmark::DoNotOptimize(effect.Render());
        benchmark::DoNotOptimize(effect.Frame());
    }
}
BENCHMARK(BM_RippleStepAndFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
