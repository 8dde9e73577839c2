// How long a full 260-channel list takes to export, and to import (read, plan and apply); and an airport
// list of the public data set's size read for two airports.
#include <benchmark/benchmark.h>

#include "core/document/FactoryImage.h"
#include "core/image/SettingsGroups.h"
#include "core/util/TextFormat.h"
#include "exchange/ChannelList.h"
#include "exchange/GridView.h"
#include "exchange/ImportPlan.h"
#include "exchange/ListExport.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

// The factory table with every channel in use: AM 25k, AM 8.33k split, FM, tags and flags, made through
// the grid's cell operations.
struct Tables {
    SystemSettings system;
    ChannelTable factory;
    ChannelTable full;

    Tables() {
        CloneImage image = FactoryImage();
        system.Load(image);
        system.RxExpansion = 1;
        factory.Load(image, system);
        full = factory;
        const BandContext band = full.Bands(system);
        SilentPrompts prompts(Answer::No);
        ChosenStep none;
        for (int i = 0; i < kMaskedChannelCount; ++i) {
            ShowGroup(full, ChannelTable::GroupOf(i));
            CellEdit cells(full, band, prompts);
            if (full.Entry(i).Masked) cells.ToggleCell(i, kColChn, none);
            cells.SetCellText(i, kColTag, Format("CH %d", i));
            switch (i % 3) {
            case 0:
                cells.SetCellText(i, kColReceive, HzText(118000000 + 25000 * i));
                break;
            case 1: {
                const std::string rx = HzText(108000000 + 25000 * (i % 300) + 8333);
                ChosenStep step(0);
                cells.SetCellText(i, kColReceive, rx);
                cells.ToggleCell(i, kColAmStep, step);
                cells.SetCellText(i, kColReceive, rx);
                cells.ToggleCell(i, kColSplit, none);
                cells.SetCellText(i, kColTransmit, HzText(121016666));
                break;
            }
            default:
                cells.SetCellText(i, kColReceive, HzText(145000000 + 12500 * i));
                break;
            }
            if (i % 2) cells.ToggleCell(i, kColScan, none);
        }
    }
};

const Tables& Shared() {
    static const Tables tables;
    return tables;
}

void Export(benchmark::State& state, ListFormat format) {
    const Tables& t = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportList(t.full, t.system, format));
}

// Each run imports the full list into the factory table: every channel is taken (or replaced).
void Import(benchmark::State& state, ListFormat format) {
    const Tables& t = Shared();
    const std::string list = *ExportList(t.full, t.system, format);
    for (auto _ : state) {
        ChannelTable target = t.factory;
        const ListResult<ChannelList> read = ReadChannelList(list, {});
        const ImportPlan plan =
            PlanImport(target, t.system, std::get<ChannelList>(read), {kGroupMr, 1, true});
        if (ApplyImport(target, t.system, plan) != ApplyStatus::Applied)
            state.SkipWithError("nothing applied");
        benchmark::DoNotOptimize(target);
    }
}

void ExportOwnList(benchmark::State& state) {
    Export(state, ListFormat::Zt46);
}
void ExportGenericList(benchmark::State& state) {
    Export(state, ListFormat::Generic);
}
void ImportOwnList(benchmark::State& state) {
    Import(state, ListFormat::Zt46);
}
void ImportGenericList(benchmark::State& state) {
    Import(state, ListFormat::Generic);
}

// 30,000 rows, the size of the public airport-frequency list; two airports are taken.
void ImportTwoAirportsFromAPublicSizedList(benchmark::State& state) {
    const Tables& t = Shared();
    std::string list =
        "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n";
    for (int i = 0; i < 30000; ++i) {
        const char* ident = i == 100 || i == 101 ? "EGLL" : i == 20000 ? "EGKK" : "KXYZ";
        list += Format("%d,%d,\"%s\",\"TWR\",\"TOWER\",%.3f\n", i, i / 4, ident, 118.0 + (i % 700) * 0.025);
    }
    ListReadOptions options;
    options.airports = {"EGLL", "EGKK"};
    for (auto _ : state) {
        ChannelTable target = t.factory;
        const ListResult<ChannelList> read = ReadChannelList(list, options);
        const ImportPlan plan = PlanImport(target, t.system, std::get<ChannelList>(read), {});
        ApplyImport(target, t.system, plan);
        benchmark::DoNotOptimize(target);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}

BENCHMARK(ExportOwnList)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportGenericList)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportOwnList)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportGenericList)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportTwoAirportsFromAPublicSizedList)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zt46
