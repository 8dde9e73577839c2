// Upload, download and download with its read-back against zt46-radio paced at 9600 baud, each time
// printed beside the protocol's own minimum: the bytes on the wire at 10 bits a byte plus the waits the
// protocol prescribes, where the radio's first frame arrives during the 150 ms wait after its 0x20.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/document/FactoryImage.h"
#include "core/util/UserPrompts.h"
#include "link/TransferRuns.h"
#include "support/RadioProcess.h"

namespace {

using namespace zt46;

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
constexpr double kFrameBytes = 1 + 1 + 1 + 128 + 1; // lead, length, block number, data, check byte
constexpr int kFrames = 32;

// 0x70, then the radio's 0x20 and the first frame (overlapping the 150 ms wait), the first 0x06, then
// 31 frames with their 0x06.
double UploadMinimumMs() {
    const double firstFrameRest = (kFrameBytes - 1) * kByteMs;
    return 2 * kByteMs + std::max(150.0, firstFrameRest) + kByteMs +
           (kFrames - 1) * (kFrameBytes + 1) * kByteMs;
}

// The read, 150 ms, 0x60 and 100 ms, then each frame with its check byte, 10 ms (the radio's 0x06
// arrives during it) and 50 ms.
double DownloadMinimumMs() {
    return UploadMinimumMs() + 150 + kByteMs + 100 + kFrames * (kFrameBytes * kByteMs + 10 + 50);
}

class QuietPrompts : public UserPrompts {
public:
    Answer Show(const Prompt& prompt) override {
        if (prompt.icon == Icon::Stop) failed = prompt.id;
        return Answer::Yes;
    }
    void Beep() override {}
    int failed = 0;
};

void Measure(benchmark::State& state, TransferMode mode, bool verify, double minimumMs) {
    std::unique_ptr<test::RadioProcess> process;
    try {
        process = std::make_unique<test::RadioProcess>(std::vector<std::string>{"--baud", "9600"});
    } catch (const std::exception&) {
        state.SkipWithError("zt46-radio did not start");
        return;
    }
    const test::RadioProcess& radio = *process;
    double totalMs = 0;
    for (auto _ : state) {
        QuietPrompts prompts;
        NullProgress progress;
        std::atomic<bool> cancel{false};
        SerialPort port(PortSettings{1, radio.Device()});
        TransferJob job;
        job.image = FactoryImage(); // the radio's own identity: nothing is asked
        job.verify = verify;
        const auto start = std::chrono::steady_clock::now();
        const TransferResult result =
            RunTransfer(mode, port, job, TransferContext{prompts, progress, cancel});
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!result.succeeded || prompts.failed) {
            const std::string error = "transfer failed, message " + std::to_string(prompts.failed);
            state.SkipWithError(error.c_str());
            return;
        }
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
    }
    const double meanMs = totalMs / static_cast<double>(state.iterations());
    state.counters["minimum_ms"] = minimumMs;
    state.counters["ratio"] = meanMs / minimumMs;
    const char* name = mode == TransferMode::ReadRadio ? "upload" : verify ? "download + verify" : "download";
    std::printf("%s at 9600 baud: %.0f ms, protocol minimum %.0f ms (%.3fx)\n", name, meanMs, minimumMs,
                meanMs / minimumMs);
}

void BM_Upload(benchmark::State& state) {
    Measure(state, TransferMode::ReadRadio, false, UploadMinimumMs());
}
void BM_Download(benchmark::State& state) {
    Measure(state, TransferMode::WriteRadio, false, DownloadMinimumMs());
}
// The read-back after the write is one more upload, its handshake answered at once.
void BM_DownloadVerify(benchmark::State& state) {
    Measure(state, TransferMode::WriteRadio, true, DownloadMinimumMs() + UploadMinimumMs());
}

BENCHMARK(BM_Upload)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Download)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownloadVerify)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
