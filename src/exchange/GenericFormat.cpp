#include "exchange/GenericFormat.h"

#include "core/util/TextFormat.h"
#include "exchange/CsvWriter.h"
#include "exchange/GridView.h"
#include "exchange/ListCells.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
};

// The FM steps in hertz, in the order of the grid's list "5k" .. "50k", and the raster each lies on (a
// 15 kHz channel only has to lie on the 5 kHz raster, a 20 kHz one on the 10 kHz raster).
constexpr std::int64_t kFmStepHz[7] = {5000, 10000, 12500, 15000, 20000, 25000, 50000};
constexpr std::int64_t kFmRasterHz[7] = {5000, 10000, 12500, 5000, 10000, 25000, 50000};
// The tool's step texts for the AM steps "8.33k" and "25k".
constexpr const char* kAmStepText[2] = {"8.33", "25.00"};

std::optional<int> FmStepOfHz(std::int64_t stepHz) {
    for (int i = 0; i < 7; ++i) {
        if (kFmStepHz[i] == stepHz) return i;
    }
    return std::nullopt;
}

// The steps a frequency goes with. An 8.33 kHz channel, written as its name or as its frequency, takes
// the 8.33k step, and so does a 25 kHz channel that the list gives the 8.33 kHz step; any other value
// is a 25 kHz channel. For FM the list's step counts when the frequency lies on it; otherwise the
// coarsest of 25k, 12.5k and 5k that it lies on.
void ChooseSteps(ListRow& row, std::optional<std::int64_t> stepHz) {
    std::int64_t& hz = *row.rxHz;
    if (const auto named = ChannelNameHz(hz)) {
        hz = *named;
        row.amStep = 0;
    } else if (const auto channel = Nearest833Hz(hz)) {
        hz = *channel;
        row.amStep = 0;
    } else {
        row.amStep = hz % 25000 == 0 && stepHz >= 8330 && stepHz <= 8334 ? 0 : 1;
    }
    const auto listed = stepHz ? FmStepOfHz(*stepHz) : std::nullopt;
    if (listed && hz % kFmRasterHz[*listed] == 0) {
        row.fmStep = listed;
    } else {
        row.fmStep = hz % 25000 == 0 ? 5 : hz % 12500 == 0 ? 2 : 0;
    }
}

// "8.33", "12.5", "25.00" as hertz; the tool's 8.33 stands for 8330.
std::optional<std::int64_t> StepHz(std::string_view text) {
    const auto hz = ParseMHz(text, false); // the step is kHz: read as "MHz" it is a thousandth
    if (!hz || *hz <= 0) return std::nullopt;
    return *hz / 1000;
}

} // namespace

ListResult<std::vector<ListRow>> ReadGenericRows(const CsvTable& table) {
    ListCells cells(table, kGenericHeader, kGenericColumnCount);
    return cells.ReadRows([&](const CsvRow& r, ListRow& row) {
        row.listedName = std::string(cells.Get(r, kName));
        row.listedFrequency = std::string(cells.Get(r, kFrequency));

        const std::string_view location = cells.Get(r, kLocation);
        if (!location.empty()) {
            const auto number = ParseInteger(location);
            if (!number) {
                cells.Bad(r, kLocation, "not a channel number: \"" + std::string(location) + "\"");
            } else if (*number < 1 || *number > kChannelCount) {
                row.refusal = RowRefusal::NoSuchChannel;
                row.refusalDetail = "Location " + std::to_string(*number);
            } else {
                row.index = static_cast<int>(*number) - 1;
            }
        }
        row.tag = MakeTag(cells.Raw(r, kName));
        row.rxHz = cells.MHz(r, kFrequency);
        if (row.rxHz) ChooseSteps(row, StepHz(cells.Get(r, kTStep)));

        const std::string_view duplex = cells.Get(r, kDuplex);
        const std::int64_t offset = cells.MHz(r, kOffset).value_or(0);
        row.split = false;
        if (SameName(duplex, "split")) {
            row.split = true;
            row.txHz = ChannelNameHz(offset).value_or(offset);
        } else if (duplex == "+" || duplex == "-") {
            row.split = true;
            if (row.rxHz) row.txHz = duplex == "+" ? *row.rxHz + offset : *row.rxHz - offset;
        } else if (!duplex.empty() && !SameName(duplex, "off")) {
            cells.Bad(r, kDuplex, "not blank, +, -, split or off: \"" + std::string(duplex) + "\"");
        }

        const std::string_view mode = cells.Get(r, kMode);
        if (SameName(mode, "AM")) {
            row.listedMode = kModeAm;
        } else if (SameName(mode, "FM") || SameName(mode, "NFM")) {
            row.listedMode = kModeFm;
        } else if (!mode.empty() && row.refusal == RowRefusal::None) {
            row.refusal = RowRefusal::UnsupportedMode;
            row.refusalDetail = std::string(mode);
        }
        row.scan = !SameName(cells.Get(r, kSkip), "S");
    });
}

std::string WriteGenericList(const ChannelTable& source, const BandContext& band) {
    ChannelTable table = source;
    std::string out = CsvLine(std::vector<std::string>(std::begin(kGenericHeader), std::end(kGenericHeader)));
    for (int index = 0; index < kChannelCount; ++index) {
        const ChannelEntry& e = table.Entry(index);
        const bool weather = ChannelTable::GroupOf(index) == kGroupWeather;
        if (e.Masked || (weather && !band.WeatherBand)) continue;
        const GridRowTexts cells = GridTexts(table, band, index);
        std::string name = cells[kColTag];
        name.erase(name.find_last_not_of(' ') + 1);
        const int mode = ShownMode(e.Mode);
        const std::string step =
            mode == kModeAm ? kAmStepText[e.AmStep == 0 ? 0 : 1]
            : mode == kModeFm
                ? Format("%.2f", kFmStepHz[e.FmStep >= 0 && e.FmStep < 7 ? e.FmStep : 5] / 1000.0)
                : std::string("25.00");
        const bool split = e.Split == 1;
        out += CsvLine({std::to_string(index + 1),
                        name,
                        HzText(e.RxHz),
                        split ? "split" : "",
                        split ? HzText(e.TxHz) : HzText(0),
                        "",
                        "88.5",
                        "88.5",
                        "023",
                        "NN",
                        "023",
                        "Tone->Tone",
                        mode == kModeAm ? "AM" : "FM",
                        step,
                        e.Scan ? "" : "S",
                        "",
                        "",
                        "",
                        "",
                        "",
                        ""});
    }
    return out;
}

} // namespace zt46
