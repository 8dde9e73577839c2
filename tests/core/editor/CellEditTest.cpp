#include <gtest/gtest.h>

#include "EditFixture.h"

namespace zt46 {
namespace {

using edit_test::EditFixture;

// ---- What the cells show -------------------------------------------------------------------------

// Every column of channel 7 for each kind of channel, and channel numbers counted from one in every group.
TEST(CellTextTest, ShowsEveryColumnOfAChannel) {
    struct Case {
        const char *row, *tag;
        ChannelEntry entry;
    };
    const Case cases[] = {
        {"7|AM|        |118.000|-------|25k|----|-|-|-|Simplex",
         "",
         {.AmStep = 1, .ClockShift = 1, .RxDisplay = 118}},
        {"7|AM|TWR     |110.005|121.505|8.33k|----|v|v|v|Split",
         "TWR",
         {.TagDisplay = 1, .Scan = 1, .Split = 1, .RxDisplay = 110.005, .TxDisplay = 121.505}},
        {"7|FM|        |145.012|-------|----|12.5k|-|-|-|Simplex",
         "",
         {.Mode = kModeFm, .FmStep = 2, .ClockShift = 1, .RxDisplay = 145.012}},
        // Mode bits 3 outside Weather show both steps.
        {"7|FM|        |118.000|-------|25k|50k|-|-|-|Simplex",
         "",
         {.Mode = 3, .AmStep = 1, .FmStep = 6, .ClockShift = 1, .RxDisplay = 118}},
    };
    for (const Case& c : cases) {
        EditFixture f;
        f.Entry(6) = c.entry;
        f.Entry(6).SetTagText(c.tag);
        EXPECT_EQ(f.Row(6), c.row);
    }
    EditFixture f;
    for (const auto& [index, number] : {std::pair{149, "150"}, {150, "1"}, {259, "10"}})
        EXPECT_EQ(f.Cells().CellText(index, kColChn), number);
}

// ---- Typed text ---------------------------------------------------------------------------------

// The snapping itself is FrequencyRulesTest's: here, that typed text reaches it with the channel's step
// and the band in the receive and transmit columns, that the cell shows the name the rules give, and
// that the change says why a frequency was clamped or snapped. The shown text of an 8.33 kHz channel is
// its channel name: typed or pasted, a channel name is that channel, so copying a cell between two
// 8.33 kHz channels never moves it. Any other text snaps to the nearest channel.
TEST(SetCellTextTest, FrequenciesAreClampedSnappedAndNamedAndSayWhy) {
    enum Columns { Rx = 1, Tx = 2, Both = 3 };
    struct Case {
        const char* typed;
        int columns, amStep, rxExpansion;
        std::int32_t hz;
        const char *shown, *reason;
    };
    // Channel 10 is an AM channel at 110.000 MHz with the given AM step, split, transmitting on 118.000.
    const Case cases[] = {
        {"118.005", Both, 0, 0, 118000000, "118.005", ""}, // a channel's name
        {"118.000", Both, 0, 0, 118000000, "118.005", ""}, // a channel's frequency: it shows the name
        {"118.020", Both, 0, 0, 118016666, "118.015", "118.020 lies between 8.33k channels: 118.015"},
        {"118.005", Both, 1, 0, 118000000, "118.000", "118.005 lies between 25k channels: 118.000"},
        {"500", Both, 1, 0, 136975000, "136.975", "500 is above the band: 136.975"},
        {"100", Rx, 1, 0, 108000000, "108.000", "100 is below the band: 108.000"},
        {"", Rx, 1, 0, 108000000, "108.000", "0 is below the band: 108.000"},
        {"117", Tx, 1, 0, 118000000, "118.000", "117 is below the band: 118.000"},
        {"143.99", Rx, 1, 1, 143975000, "143.975", "143.99 is between the bands: 143.975"},
        {"150.005", Rx, 0, 1, 150000000, "150.000", "150.005 lies between 25k channels: 150.000"}, // FM
    };
    for (const Case& c : cases) {
        for (int column : {kColReceive, kColTransmit}) {
            if (!(c.columns & (column == kColReceive ? Rx : Tx))) continue;
            EditFixture f(0, c.rxExpansion);
            f.SetAm(9, "110.000", c.amStep);
            f.Entry(9).Split = 1;
            f.Entry(9).TxHz = 118000000;
            const CellChange change = f.Cells().SetCellText(9, column, c.typed);
            const std::int32_t hz = column == kColReceive ? f.Entry(9).RxHz : f.Entry(9).TxHz;
            EXPECT_EQ(std::tuple(change.reason, hz, f.Cells().CellText(9, column)),
                      std::tuple(c.reason, c.hz, c.shown))
                << c.typed << " in column " << column;
            EXPECT_EQ(change.rewrite, CellsToRewrite(column));
        }
    }
    // FM 12.5 kHz channels show whole kilohertz: 145.012 is what the channel shows for 145.0125.
    EditFixture f(0, 1);
    f.Cells().SetCellText(4, kColReceive, "145.000");
    f.Entry(4).FmStep = 2;
    EXPECT_EQ(f.Cells().SetCellText(4, kColReceive, "145.012").reason, "");
    EXPECT_EQ(f.Cells().SetCellText(4, kColReceive, "145.013").reason,
              "145.013 lies between 12.5k channels: 145.012");
}

// A mode change brings the default steps and no split; an AM frequency outside the split band clears it.
TEST(SetCellTextTest, ModeChangeOrAFrequencyOutsideTheSplitBandEndsTheSplit) {
    EditFixture f(0, 1);
    f.SetAm(5, "110.000", 0);
    f.Entry(5).Split = 1;
    f.Cells().SetCellText(5, kColReceive, "145.000");
    const ChannelEntry& e = f.Entry(5);
    EXPECT_EQ(std::tuple(e.Mode, e.AmStep, e.FmStep, e.Split), std::tuple(kModeFm, 1, 5, 0));
    EditFixture g;
    g.SetAm(4, "110.000");
    g.Entry(4).Split = 1;
    g.Cells().SetCellText(4, kColReceive, "112.000");
    EXPECT_EQ(g.Entry(4).Split, 1);
    g.Cells().SetCellText(4, kColReceive, "125.000");
    EXPECT_EQ(g.Entry(4).Split, 0);
}

TEST(SetCellTextTest, WeatherFrequencyMakesAWeatherChannelOnlyWithTheBandOn) {
    for (int weatherBand : {0, 1}) {
        EditFixture f(weatherBand, 1);
        f.Entry(kFirstWeatherIndex + 3).RxHz = 162475000;
        f.Cells().SetCellText(8, kColReceive, "162.475");
        EXPECT_EQ(std::pair(f.Entry(8).Mode, f.Entry(8).RxHz),
                  std::pair(weatherBand ? kModeWx : kModeFm, 162475000));
    }
}

// Short tags are padded (PasteIntoCellTest); long ones are cut. A simplex channel takes no transmit text.
TEST(SetCellTextTest, TagTakesEightCharactersAndTransmitOnlySplitChannels) {
    EditFixture f;
    f.Cells().SetCellText(2, kColTag, "ABCDEFGHIJ");
    EXPECT_EQ(f.Cells().CellText(2, kColTag), "ABCDEFGH");
    f.SetAm(4, "110.000");
    EXPECT_FALSE(f.Cells().SetCellText(4, kColTransmit, "120.000").accepted);
    EXPECT_EQ(f.prompts.beeps, 1);
}

// Return on the text the editor opened with leaves the channel as it is, even a frequency off its step's
// raster; the same text typed anew snaps.
TEST(CommitEditTest, UnchangedTextLeavesTheChannel) {
    EditFixture f;
    f.Entry(9).RxHz = 118010000;
    f.Entry(9).RxDisplay = 118.01;
    const ChannelEntry before = f.Entry(9);
    const std::string shown = *f.Cells().TextForEdit(9, kColReceive);
    EXPECT_TRUE(f.Cells().CommitEdit(9, kColReceive, shown, shown).accepted);
    EXPECT_TRUE(f.Entry(9) == before) << shown;
    f.Cells().CommitEdit(9, kColReceive, shown, "");
    EXPECT_EQ(f.Entry(9).RxHz, 118000000);
}

// ---- Which cells open the editor ----------------------------------------------------------------

TEST(TextForEditTest, RefusesWhatCannotBeTyped) {
    EditFixture f;
    f.SetAm(1, "110.000");
    EXPECT_EQ(std::pair(f.Cells().TextForEdit(1, kColReceive), f.Cells().TextForEdit(1, kColTag)),
              std::pair(std::optional<std::string>("110.000"), std::optional<std::string>("        ")));
    for (int col : {kColTransmit, kColChn, kColMode, kColAmStep, kColSplit}) // transmit: a simplex channel
        EXPECT_FALSE(f.Cells().TextForEdit(1, col)) << col;
    f.ShowWeatherGroup(); // a masked row's refusal is EditTextsTest's
    EXPECT_FALSE(f.Cells().TextForEdit(250, kColTag));
    EXPECT_EQ(f.prompts.beeps, 1);
}

// ---- Space and double click ---------------------------------------------------------------------

// Space on each column by the channel's state: a refused key changes nothing; an accepted one sets the
// field checked.
TEST(ToggleCellTest, EveryColumnByChannelState) {
    using Setup = void (*)(EditFixture&);
    const Setup none = [](EditFixture&) {};
    const Setup maskFirst = [](EditFixture& f) { f.Entry(0).Masked = 1; };
    const Setup maskSecond = [](EditFixture& f) { f.Entry(1).Masked = 1; };
    const Setup at110 = [](EditFixture& f) {
        f.SetAm(1, "110.000");
        f.Entry(1).TxHz = 110000000;
    };
    const Setup weather = [](EditFixture& f) { f.ShowWeatherGroup(); };
    struct Case {
        const char* name;
        int index, column;
        Setup setup;
        bool accepted;
        int beeps;
        int ChannelEntry::*field = nullptr; // checked when accepted
        int value = 0;
    };
    const Case cases[] = {
        {"first MR channel stays in use", 0, kColChn, none, true, 0, &ChannelEntry::Masked, 0},
        {"first Book channel stays in use", 150, kColChn, none, true, 0, &ChannelEntry::Masked, 0},
        {"second MR channel is masked", 1, kColChn, none, true, 0, &ChannelEntry::Masked, 1},
        {"masked first MR channel comes back", 0, kColChn, maskFirst, true, 0, &ChannelEntry::Masked, 0},
        {"masked channel comes back", 1, kColChn, maskSecond, true, 0, &ChannelEntry::Masked, 0},
        {"mode beeps", 1, kColMode, none, false, 1},
        {"clock shift", 1, kColClockShift, none, true, 0, &ChannelEntry::ClockShift, 0},
        {"tag display", 1, kColTagAlp, none, true, 0, &ChannelEntry::TagDisplay, 1},
        {"scan", 1, kColScan, none, true, 0, &ChannelEntry::Scan, 1},
        {"split refused at 120 MHz", 1, kColSplit, [](EditFixture& f) { f.SetAm(1, "120.000"); }, false, 1},
        {"split at 110 MHz", 1, kColSplit, at110, true, 0, &ChannelEntry::Split, 1},
        {"split at 110 MHz snaps the transmit frequency", 1, kColSplit, at110, true, 0, &ChannelEntry::TxHz,
         118000000},
        {"AM step of an FM channel beeps", 1, kColAmStep, [](EditFixture& f) { f.Entry(1).Mode = kModeFm; },
         false, 1},
        {"FM step of an AM channel beeps", 1, kColFmStep, none, false, 1},
        {"Weather group: scan switches", 252, kColScan, weather, true, 0, &ChannelEntry::Scan, 1},
        {"Weather group: clock shift beeps", 252, kColClockShift, weather, false, 1},
    };
    for (const Case& c : cases) {
        EditFixture f;
        f.Entry(1).ClockShift = 1;
        c.setup(f);
        f.prompts.beeps = 0;
        const ChannelEntry before = f.Entry(c.index);
        const CellChange change = f.Cells().ToggleCell(c.index, c.column, f.picker);
        EXPECT_EQ(std::pair(change.accepted, f.prompts.beeps), std::pair(c.accepted, c.beeps)) << c.name;
        if (c.accepted) {
            EXPECT_EQ(f.Entry(c.index).*c.field, c.value) << c.name;
        } else {
            EXPECT_TRUE(f.Entry(c.index) == before) << c.name;
        }
        EXPECT_TRUE(f.picker.asked.empty()) << c.name;
    }
}

TEST(ToggleCellTest, StepPickerResultsAndCancel) {
    struct Case {
        std::optional<int> answer;
        int amStep;
        std::int32_t hz;
    };
    // 118.010 on the 25k raster is 118.000; on the 8.33k raster the channel named 118.010.
    const Case cases[] = {{0, 0, 118008333}, {1, 1, 118000000}, {std::nullopt, 1, 118000000}};
    for (const Case& c : cases) {
        EditFixture f;
        f.Entry(2).RxHz = 118010000;
        f.Entry(2).RxGrid833 = 1; // out of line with the 25k step: any visit of the picker mends it
        f.picker.answer = c.answer;
        const bool accepted = f.Cells().ToggleCell(2, kColAmStep, f.picker).accepted;
        EXPECT_EQ(f.picker.asked, (std::vector{std::pair(kColAmStep, 1)}));
        const ChannelEntry& e = f.Entry(2);
        const int grid = c.amStep == 0 ? 1 : 0;
        EXPECT_EQ(std::tuple(accepted, e.AmStep, e.RxGrid833, e.TxGrid833, e.RxHz),
                  std::tuple(true, c.amStep, grid, grid, c.hz));
    }
}

TEST(ToggleCellTest, FmStepPickerSetsTheUnitFlag) {
    EditFixture f(0, 1);
    f.Cells().SetCellText(2, kColReceive, "145.000");
    for (int step = 0; step < 7; ++step) {
        f.picker.answer = step;
        f.Cells().ToggleCell(2, kColFmStep, f.picker);
        EXPECT_EQ(std::pair(f.Entry(2).FmStep, f.Entry(2).RxGrid625Fm),
                  std::pair(step, step == 2 || step == 5 || step == 6 ? 1 : 0));
    }
}

TEST(ColumnFlagsTest, ShownOnlyWhenExactlyOne) {
    std::string shown; // Chn, Mode, Receive, Transmit, FM step
    for (int column : {kColChn, kColMode, kColReceive, kColTransmit, kColFmStep})
        shown += ColumnShown({1, 1, 2, 0, 1, 1, 1, 1}, column) ? 'v' : '-';
    EXPECT_EQ(shown, "vv---");
}

} // namespace
} // namespace zt46
