// CPU cost of the clone protocol itself: a full read and a full program against the
// in-memory radio, with a clock that only moves when the engine waits.
#include <benchmark/benchmark.h>

#include "fake_link.h"
#include "image/codec.h"
#include "link/clone_protocol.h"

namespace {

using namespace rse;

template <bool Program>
void BM_FullTransfer(benchmark::State& state) {
    const MemoryImage image = DefaultImage();
    for (auto _ : state) {
        test::FakeClock clock;
        test::FakeLink link(clock);
        sim::RadioDevice radio(image, {}, true);
        test::AttachRadio(link, radio);
        std::atomic<bool> cancel{false};
        LinkEnvironment env{link, clock, cancel};
        CloneProtocol protocol(env);
        if constexpr (Program) {
            benchmark::DoNotOptimize(protocol.ProgramRadio(image));
        } else {
            benchmark::DoNotOptimize(protocol.ReadRadio(image));
        }
    }
}
BENCHMARK(BM_FullTransfer<false>)->Name("ReadRadio/in-memory")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullTransfer<true>)->Name("ProgramRadio/in-memory")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
