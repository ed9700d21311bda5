// How fast the engine draws, and how long one complete reading takes to
// compose into a Qt rich-text document.
#include "engine/Draw.h"
#include "engine/Random.h"
#include "windows/RichTextTarget.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

static void Draws(benchmark::State& state) {
    for (auto _ : state) {
        modMayanTarot::Draw();
        benchmark::DoNotOptimize(modMayanTarot::CurrentReading());
    }
    state.counters["draws/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(Draws);

static void ReadingComposed(benchmark::State& state) {
    QTextDocument document;
    RichTextTarget target(document);
    for (auto _ : state) {
        modMayanTarot::ComposeReading(target);
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(ReadingComposed)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Random::SeedFromClock();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
