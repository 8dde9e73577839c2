// How long the document takes to decode and re-encode a full image, to build the whole report, and to
// compare two full images by meaning.
#include <benchmark/benchmark.h>

#include "core/document/Document.h"
#include "core/document/FactoryImage.h"
#include "core/document/ImageCompare.h"
#include "core/report/Report.h"
#include "core/util/UserPrompts.h"

namespace zt46 {
namespace {

// Every channel in use, a mix of AM 25k, AM 8.33k and FM records, so every rule runs.
struct FullDocument {
    SilentPrompts prompts;
    NoFileDialogs dialogs;
    Document doc{prompts, dialogs, Document::Folders{}};
    FullDocument() {
        CloneImage image = FactoryImage();
        image[7] |= 0x06;
        for (std::size_t i = kChannelMaskOffset; i < kChannelMaskOffset + kChannelMaskBytes; ++i)
            image[i] = 0;
        for (int i = 0; i < kMaskedChannelCount; ++i) {
            std::uint8_t* rec = &image[ChannelRecordOffset(i)];
            switch (i % 3) {
            case 0:
                rec[0] = 0x08;
                rec[1] = 0x49;
                rec[10] = 0x45;
                rec[11] = 0xC4;
                rec[12] = 0x4F;
                rec[13] = 0xA0;
                break;
            case 1:
                rec[0] = 0x00;
                rec[1] = 0xA0;
                rec[10] = 0x3C;
                rec[11] = 0x8D;
                break;
            default:
                rec[0] = 0x45;
                rec[1] = 0x40;
                rec[10] = 0x5A;
                rec[11] = static_cast<std::uint8_t>(0xA0 + i % 16);
                break;
            }
        }
        doc.Image() = image;
        doc.ImageToModels();
    }
};

void BM_ImageToModelsToImage(benchmark::State& state) {
    FullDocument full;
    for (auto _ : state) {
        full.doc.ImageToModels();
        full.doc.ModelsToImage();
        benchmark::DoNotOptimize(full.doc.Image().data());
    }
}
BENCHMARK(BM_ImageToModelsToImage)->Unit(benchmark::kMicrosecond);

void BM_FullReport(benchmark::State& state) {
    FullDocument full;
    for (auto _ : state) {
        const Report report(full.doc);
        std::string text = ReportText(report.Pages());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FullReport)->Unit(benchmark::kMicrosecond);

// The full document's image, and one whose every channel, setting byte and alignment value differs.
struct ComparedImages {
    CloneImage first, second;
    ComparedImages() {
        FullDocument full;
        full.doc.ModelsToImage();
        first = second = full.doc.Image();
        for (int i = 0; i < kChannelCount; ++i) {
            std::uint8_t* rec = &second[ChannelRecordOffset(i)];
            rec[1] ^= 0x02; // scan
            for (int t = 2; t < 10; ++t)
                rec[t] = static_cast<std::uint8_t>((rec[t] + 1) % 40); // another tag
        }
        for (std::size_t i = kAdjustBlockAOffset; i < kVfoAOffset; ++i)
            second[i] ^= 0x11;
        second[45] ^= 0x41;
    }
};

void BM_CompareImages(benchmark::State& state) {
    const ComparedImages images;
    std::size_t lines = 0;
    for (auto _ : state) {
        const std::vector<ImageDifference> differences = CompareImages(images.first, images.second);
        lines = differences.size();
        benchmark::DoNotOptimize(differences.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CompareImages)->Unit(benchmark::kMicrosecond);

// What File > Compare and zt46 diff do: both images as loaded, then compared.
void BM_CompareImagesAsLoaded(benchmark::State& state) {
    const ComparedImages images;
    for (auto _ : state) {
        const std::vector<ImageDifference> differences =
            CompareImages(AsLoaded(images.first), AsLoaded(images.second));
        benchmark::DoNotOptimize(differences.data());
    }
}
BENCHMARK(BM_CompareImagesAsLoaded)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zt46
