#include <gtest/gtest.h>

#include "EditFixture.h"

namespace zt46 {
namespace {

using edit_test::EditFixture;

// ---- What the cells show -------------------------------------------------------------------------

struct ShowCase {
    const char* name;
    void (*setup)(ChannelEntry&);
    std::vector<std::string> texts; // columns 1..10
};

TEST(CellTextTest, ShowsEveryColumnOfAChannel) {
    const ShowCase cases[] = {
        {"factory AM 25k",
         [](ChannelEntry&) {},
         {"AM", "        ", "118.000", "-------", "25k", "----", "-", "-", "-", "Simplex"}},
        {"8.33k split with flags",
         [](ChannelEntry& e) {
             e.AmStep = 0;
             e.Split = 1;
             e.TxDisplay = 121.505;
             e.RxDisplay = 110.005;
             e.ClockShift = 0;
             e.TagDisplay = 1;
             e.Scan = 1;
             e.SetTagText("TWR");
         },
         {"AM", "TWR     ", "110.005", "121.505", "8.33k", "----", "v", "v", "v", "Split"}},
        {"FM 12.5k",
         [](ChannelEntry& e) {
             e.Mode = kModeFm;
             e.FmStep = 2;
             e.RxDisplay = 145.012;
         },
         {"FM", "        ", "145.012", "-------", "----", "12.5k", "-", "-", "-", "Simplex"}},
        {"mode bits 3 outside Weather show both steps",
         [](ChannelEntry& e) {
             e.Mode = 3;
             e.FmStep = 6;
         },
         {"FM", "        ", "118.000", "-------", "25k", "50k", "-", "-", "-", "Simplex"}},
    };
    for (const ShowCase& c : cases) {
        EditFixture f;
        c.setup(f.Entry(6));
        f.Entry(6).ClockShift = c.texts[6] == "v" ? 0 : 1;
        for (int col = 1; col < kGridColumnCount; ++col)
            EXPECT_EQ(f.Cells().CellText(6, col), c.texts[static_cast<std::size_t>(col - 1)])
                << c.name << " col " << col;
        EXPECT_EQ(f.Cells().CellText(6, kColChn), "7");
    }
}

TEST(CellTextTest, ChannelNumbersCountFromOneInEveryGroup) {
    EditFixture f;
    EXPECT_EQ(f.Cells().CellText(149, kColChn), "150");
    EXPECT_EQ(f.Cells().CellText(150, kColChn), "1");
    EXPECT_EQ(f.Cells().CellText(259, kColChn), "10");
}

// ---- Typed text ---------------------------------------------------------------------------------

struct ReceiveCase {
    const char* text;
    int amStep;
    int rxExpansion;
    std::int32_t hz;
    const char* shown;
    int mode;
};

// The snapping itself is FrequencyRulesTest's: here, that typed text reaches it with the channel's step
// and the band, and that the cell shows the name the rules give.
TEST(SetCellTextTest, ReceiveFrequencyIsClampedAndSnapped) {
    const ReceiveCase cases[] = {
        {"118.000", 0, 0, 118000000, "118.005", kModeAm},
        {"150.000", 1, 0, 136975000, "136.975", kModeAm},
        {"150.000", 1, 1, 150000000, "150.000", kModeFm},
        {"", 1, 0, 108000000, "108.000", kModeAm},
    };
    for (const ReceiveCase& c : cases) {
        EditFixture f(0, c.rxExpansion);
        f.Entry(3).AmStep = c.amStep;
        const CellChange change = f.Cells().SetCellText(3, kColReceive, c.text);
        EXPECT_TRUE(change.accepted) << c.text;
        EXPECT_EQ(f.Entry(3).RxHz, c.hz) << c.text;
        EXPECT_EQ(f.Entry(3).Mode, c.mode) << c.text;
        EXPECT_EQ(f.Cells().CellText(3, kColReceive), c.shown) << c.text;
        EXPECT_EQ(change.rewrite, CellsToRewrite(kColReceive));
    }
}

TEST(SetCellTextTest, ModeChangeBringsDefaultStepsAndNoSplit) {
    EditFixture f(0, 1);
    f.SetAm(5, "110.000", 0);
    f.Entry(5).Split = 1;
    f.Cells().SetCellText(5, kColReceive, "145.000");
    const ChannelEntry& e = f.Entry(5);
    EXPECT_EQ(e.Mode, kModeFm);
    EXPECT_EQ(e.AmStep, 1);
    EXPECT_EQ(e.FmStep, 5);
    EXPECT_EQ(e.RxGrid625Fm, 1);
    EXPECT_EQ(e.Split, 0);
}

TEST(SetCellTextTest, WeatherFrequencyMakesAWeatherChannelOnlyWithTheBandOn) {
    for (int weatherBand : {0, 1}) {
        EditFixture f(weatherBand, 1);
        f.Entry(kFirstWeatherIndex + 3).RxHz = 162475000;
        f.Cells().SetCellText(8, kColReceive, "162.475");
        EXPECT_EQ(f.Entry(8).Mode, weatherBand ? kModeWx : kModeFm);
        EXPECT_EQ(f.Entry(8).RxHz, 162475000);
    }
}

TEST(SetCellTextTest, NewReceiveFrequencyClearsSplitOutsideTheSplitBand) {
    EditFixture f;
    f.SetAm(4, "110.000");
    f.Entry(4).Split = 1;
    f.Cells().SetCellText(4, kColReceive, "112.000");
    EXPECT_EQ(f.Entry(4).Split, 1);
    f.Cells().SetCellText(4, kColReceive, "125.000");
    EXPECT_EQ(f.Entry(4).Split, 0);
}

TEST(SetCellTextTest, TagTakesEightCharactersPadded) {
    EditFixture f;
    f.Cells().SetCellText(2, kColTag, "A");
    EXPECT_EQ(f.Cells().CellText(2, kColTag), "A       ");
    f.Cells().SetCellText(2, kColTag, "ABCDEFGHIJ");
    EXPECT_EQ(f.Cells().CellText(2, kColTag), "ABCDEFGH");
}

TEST(SetCellTextTest, TransmitOnlyForSplitAmChannels) {
    EditFixture f;
    f.SetAm(4, "110.000");
    CellChange refused = f.Cells().SetCellText(4, kColTransmit, "120.000");
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(f.prompts.beeps, 1);

    f.Entry(4).Split = 1;
    f.Cells().SetCellText(4, kColTransmit, "150.000");
    EXPECT_EQ(f.Entry(4).TxHz, 136975000);
    f.Cells().SetCellText(4, kColTransmit, "117.000");
    EXPECT_EQ(f.Entry(4).TxHz, 118000000);
    EXPECT_EQ(f.prompts.beeps, 1);
}

// The shown text of an 8.33 kHz channel is its channel name, not its frequency: typed or pasted, a
// channel name is that channel, so copying a cell between two 8.33 kHz channels never moves it. Any
// other text snaps to the nearest channel.
TEST(SetCellTextTest, ChannelNamesOfThe833StepAreTheirChannels) {
    struct Case {
        const char* typed;
        int amStep;
        int rxExpansion;
        std::int32_t hz;
        const char* shown;
    };
    const Case cases[] = {
        {"118.005", 0, 0, 118000000, "118.005"}, {"118.010", 0, 0, 118008333, "118.010"},
        {"118.015", 0, 0, 118016666, "118.015"}, {"118.000", 0, 0, 118000000, "118.005"},
        {"118.020", 0, 0, 118016666, "118.015"}, {"136.980", 0, 0, 136975000, "136.980"},
        {"118.005", 1, 0, 118000000, "118.000"}, {"118.030", 1, 0, 118025000, "118.025"},
        {"150.005", 0, 1, 150000000, "150.000"}, // no 8.33 kHz channel in the FM band
    };
    for (const Case& c : cases) {
        for (int column : {kColReceive, kColTransmit}) {
            EditFixture f(0, c.rxExpansion);
            f.SetAm(9, "110.000", c.amStep);
            f.Entry(9).Split = 1;
            f.Entry(9).TxHz = 118000000;
            if (column == kColTransmit && c.hz > 136975000) continue; // beyond the transmit band
            f.Cells().SetCellText(9, column, c.typed);
            EXPECT_EQ(column == kColReceive ? f.Entry(9).RxHz : f.Entry(9).TxHz, c.hz) << c.typed << column;
            EXPECT_EQ(f.Cells().CellText(9, column), c.shown) << c.typed << column;
        }
    }
}

TEST(CommitEditTest, UnchangedTextLeavesTheChannel) {
    for (const char* typed : {"118.000", "118.010", "118.015"}) {
        EditFixture f;
        f.SetAm(9, typed, 0);
        const ChannelEntry before = f.Entry(9);
        const std::string shown = *f.Cells().TextForEdit(9, kColReceive);
        const CellChange change = f.Cells().CommitEdit(9, kColReceive, shown, shown);
        EXPECT_TRUE(f.Entry(9) == before) << typed;
        EXPECT_TRUE(change.accepted);
    }
}

// ---- Which cells open the editor ----------------------------------------------------------------

TEST(TextForEditTest, RefusesWhatCannotBeTyped) {
    EditFixture f;
    f.SetAm(1, "110.000");
    EXPECT_EQ(f.Cells().TextForEdit(1, kColReceive), "110.000");
    EXPECT_EQ(f.Cells().TextForEdit(1, kColTag), "        ");
    EXPECT_FALSE(f.Cells().TextForEdit(1, kColTransmit)); // simplex
    for (int col : {kColChn, kColMode, kColAmStep, kColSplit})
        EXPECT_FALSE(f.Cells().TextForEdit(1, col));
    f.Entry(1).Masked = 1;
    EXPECT_FALSE(f.Cells().TextForEdit(1, kColTag));
    EXPECT_EQ(f.prompts.beeps, 0);
    f.ShowWeatherGroup();
    EXPECT_FALSE(f.Cells().TextForEdit(250, kColTag));
    EXPECT_EQ(f.prompts.beeps, 1);
}

// ---- Space and double click ---------------------------------------------------------------------

struct ToggleCase {
    const char* name;
    int index;
    int column;
    void (*setup)(EditFixture&);
    bool accepted;
    int beeps;
    bool (*check)(const ChannelEntry&);
};

TEST(ToggleCellTest, EveryColumnByChannelState) {
    const ToggleCase cases[] = {
        {"first MR channel stays in use", 0, kColChn, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.Masked == 0; }},
        {"first Book channel stays in use", 150, kColChn, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.Masked == 0; }},
        {"second MR channel is masked", 1, kColChn, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.Masked == 1; }},
        {"masked first MR channel comes back", 0, kColChn, [](EditFixture& f) { f.Entry(0).Masked = 1; },
         true, 0, [](const ChannelEntry& e) { return e.Masked == 0; }},
        {"mode beeps", 1, kColMode, [](EditFixture&) {}, false, 1,
         [](const ChannelEntry& e) { return e.Mode == kModeAm; }},
        {"masked row ignores scan silently", 1, kColScan, [](EditFixture& f) { f.Entry(1).Masked = 1; },
         false, 0, [](const ChannelEntry& e) { return e.Scan == 0; }},
        {"clock shift", 1, kColClockShift, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.ClockShift == 0; }},
        {"tag display", 1, kColTagAlp, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.TagDisplay == 1; }},
        {"scan", 1, kColScan, [](EditFixture&) {}, true, 0,
         [](const ChannelEntry& e) { return e.Scan == 1; }},
        {"split refused at 120 MHz", 1, kColSplit, [](EditFixture& f) { f.SetAm(1, "120.000"); }, false, 1,
         [](const ChannelEntry& e) { return e.Split == 0; }},
        {"split at 110 MHz snaps the transmit frequency", 1, kColSplit,
         [](EditFixture& f) {
             f.SetAm(1, "110.000");
             f.Entry(1).TxHz = 110000000;
         },
         true, 0, [](const ChannelEntry& e) { return e.Split == 1 && e.TxHz == 118000000; }},
        {"AM step of an FM channel beeps", 1, kColAmStep, [](EditFixture& f) { f.Entry(1).Mode = kModeFm; },
         false, 1, [](const ChannelEntry&) { return true; }},
        {"FM step of an AM channel beeps", 1, kColFmStep, [](EditFixture&) {}, false, 1,
         [](const ChannelEntry&) { return true; }},
        {"Weather group: scan switches", 252, kColScan, [](EditFixture& f) { f.ShowWeatherGroup(); }, true, 0,
         [](const ChannelEntry& e) { return e.Scan == 1; }},
        {"Weather group: clock shift beeps", 252, kColClockShift,
         [](EditFixture& f) { f.ShowWeatherGroup(); }, false, 1,
         [](const ChannelEntry& e) { return e.ClockShift == 1; }},
    };
    for (const ToggleCase& c : cases) {
        EditFixture f;
        f.Entry(1).ClockShift = 1;
        c.setup(f);
        f.prompts.beeps = 0;
        const CellChange change = f.Cells().ToggleCell(c.index, c.column, f.picker);
        EXPECT_EQ(change.accepted, c.accepted) << c.name;
        EXPECT_EQ(f.prompts.beeps, c.beeps) << c.name;
        EXPECT_TRUE(c.check(f.Entry(c.index))) << c.name;
        EXPECT_TRUE(f.picker.asked.empty()) << c.name;
    }
}

TEST(ToggleCellTest, SecondSpaceUnmasks) {
    EditFixture f;
    f.Cells().ToggleCell(1, kColChn, f.picker);
    f.Cells().ToggleCell(1, kColChn, f.picker);
    EXPECT_EQ(f.Entry(1).Masked, 0);
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
        const CellChange change = f.Cells().ToggleCell(2, kColAmStep, f.picker);
        ASSERT_EQ(f.picker.asked.size(), 1u);
        EXPECT_EQ(f.picker.asked[0], std::make_pair(kColAmStep, 1));
        EXPECT_TRUE(change.accepted);
        EXPECT_EQ(f.Entry(2).AmStep, c.amStep);
        EXPECT_EQ(f.Entry(2).RxGrid833, c.amStep == 0 ? 1 : 0);
        EXPECT_EQ(f.Entry(2).TxGrid833, f.Entry(2).RxGrid833);
        EXPECT_EQ(f.Entry(2).RxHz, c.hz);
    }
}

TEST(ToggleCellTest, FmStepPickerSetsTheUnitFlag) {
    EditFixture f(0, 1);
    f.Cells().SetCellText(2, kColReceive, "145.000");
    for (int step = 0; step < 7; ++step) {
        f.picker.answer = step;
        f.Cells().ToggleCell(2, kColFmStep, f.picker);
        EXPECT_EQ(f.Entry(2).FmStep, step);
        EXPECT_EQ(f.Entry(2).RxGrid625Fm, step == 2 || step == 5 || step == 6 ? 1 : 0) << step;
    }
}

TEST(ColumnFlagsTest, ShownOnlyWhenExactlyOne) {
    ColumnFlags flags{1, 1, 2, 0, 1, 1, 1, 1};
    EXPECT_TRUE(ColumnShown(flags, kColChn));
    EXPECT_TRUE(ColumnShown(flags, kColMode));
    EXPECT_FALSE(ColumnShown(flags, kColReceive));
    EXPECT_FALSE(ColumnShown(flags, kColTransmit));
    EXPECT_FALSE(ColumnShown(flags, kColFmStep));
}

} // namespace
} // namespace zt46
