// Speed of the core operations on a full configuration.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "files/config_file.h"
#include "image/codec.h"
#include "report/printed_report.h"
#include "report/text_report.h"

namespace {

struct Doc {
    rse::Configuration config;
    rse::MemoryImage image{};
    Doc() {
        rse::InitialiseConfiguration(config, image);
        std::mt19937 rng(1);
        for (auto* bank : {&config.CHUSA, &config.CHINT, &config.CHCAN}) {
            for (auto& r : *bank)
                r.ScanMemory = rng() & 1;
        }
        for (int i = 1; i <= 20; ++i) {
            config.Dir(i) = {true, "STATION" + std::to_string(i),
                             "36600000" + std::to_string(i % 10)};
            config.Exp(i).Enable = true;
            config.Exp(i).Position = static_cast<std::int16_t>(i * 13);
            config.Exp(i).ChTag = "EXP" + std::to_string(i);
        }
        config.SETCOM.UserMmsid = "366123456";
        config.SETCOM.AtisNo = "9366123456";
    }
};

std::string TempPath(const char* name) {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/rse-bench-" + std::to_string(::getpid()) + "-" +
           name;
}

void BM_ParseConfigText(benchmark::State& state) {
    const Doc doc;
    const std::string text = rse::ComposeConfigFile(doc.config);
    for (auto _ : state) {
        rse::Configuration c = doc.config;
        rse::ApplyConfigText(text, c);
        benchmark::DoNotOptimize(c);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseConfigText);

void BM_FileRead2(benchmark::State& state) {
    const Doc doc;
    const std::string path = TempPath("read.dat");
    if (!rse::SaveFileAs(path, doc.config).ok) state.SkipWithError("cannot write temp file");
    for (auto _ : state) {
        rse::Configuration c = doc.config;
        benchmark::DoNotOptimize(rse::FileRead2(path, c));
    }
    ::unlink(path.c_str());
}
BENCHMARK(BM_FileRead2);

void BM_ComposeConfigFile(benchmark::State& state) {
    const Doc doc;
    for (auto _ : state)
        benchmark::DoNotOptimize(rse::ComposeConfigFile(doc.config));
}
BENCHMARK(BM_ComposeConfigFile);

// Includes fsync and rename: dominated by the file system, not by the program.
void BM_SaveFileAs(benchmark::State& state) {
    const Doc doc;
    const std::string path = TempPath("save.dat");
    for (auto _ : state)
        benchmark::DoNotOptimize(rse::SaveFileAs(path, doc.config));
    ::unlink(path.c_str());
}
BENCHMARK(BM_SaveFileAs)->Unit(benchmark::kMicrosecond);

void BM_EncodeImage(benchmark::State& state) {
    Doc doc;
    for (auto _ : state) {
        rse::EncodeImage(doc.config, doc.image);
        benchmark::DoNotOptimize(doc.image);
    }
}
BENCHMARK(BM_EncodeImage);

void BM_DecodeImage(benchmark::State& state) {
    Doc doc;
    rse::EncodeImage(doc.config, doc.image);
    rse::Configuration c = doc.config;
    for (auto _ : state) {
        rse::DecodeImage(doc.image, c);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_DecodeImage);

void BM_MakeTextImage(benchmark::State& state) {
    const Doc doc;
    for (auto _ : state)
        benchmark::DoNotOptimize(rse::MakeTextImage(doc.config, doc.image));
}
BENCHMARK(BM_MakeTextImage);

void BM_LayoutPrintedReport(benchmark::State& state) {
    const Doc doc;
    for (auto _ : state)
        benchmark::DoNotOptimize(rse::LayoutPrintedReport(doc.config, doc.image));
}
BENCHMARK(BM_LayoutPrintedReport);

}  // namespace

BENCHMARK_MAIN();
