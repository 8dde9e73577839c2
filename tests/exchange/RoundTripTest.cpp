#include <gtest/gtest.h>

#include "ExchangeFixture.h"
#include "core/util/TextFormat.h"
#include "exchange/ListExport.h"
#include "exchange/ListValues.h"

namespace zt46 {
namespace {

using exchange_test::ImportFixture;

// Every kind of channel the grid can make, in every group, made through the grid's own cell operations,
// then stored and loaded as a file would be.
void MakeEveryKindOfChannel(Document& doc) {
    ChannelTable& table = doc.Channels();
    const BandContext band = doc.Bands();
    SilentPrompts prompts(Answer::No);
    ChosenStep none;
    const char* tags[] = {"TWR", "GND 1", " ATIS", "A+B=C*D/", "X:Y-Z_()", "", "APPROACH"};
    for (int i = 0; i < kMaskedChannelCount; ++i) {
        ShowGroup(table, ChannelTable::GroupOf(i));
        CellEdit cells(table, band, prompts);
        if (table.Entry(i).Masked) cells.ToggleCell(i, kColChn, none);
        cells.SetCellText(i, kColTag, tags[i % 7]);
        const int kind = i % 6;
        std::string rx;
        if (kind == 0) rx = HzText(118000000 + 25000 * i);                            // AM 25k
        if (kind == 1 || kind == 2) rx = HzText((14160 + 3 * i + i % 3) * 25000 / 3); // AM 8.33k
        if (kind == 3) rx = HzText(108000000 + 25000 * (i % 300) + (i % 2) * 8333);   // split
        if (kind == 4) {                                                              // FM on every step
            constexpr std::int64_t raster[7] = {5000, 10000, 12500, 5000, 10000, 25000, 50000};
            rx = HzText(145000000 + raster[i % 7] * (i % 37));
        }
        if (kind == 5) rx = HzText(162400000 + 25000 * (i % 10)); // a weather frequency: WX mode
        cells.SetCellText(i, kColReceive, rx);
        if (kind == 1 || kind == 2 || (kind == 3 && i % 2) || kind == 4) { // the AM 8.33k or an FM step
            ChosenStep step(kind == 4 ? i % 7 : 0);
            cells.ToggleCell(i, kind == 4 ? kColFmStep : kColAmStep, step);
            cells.SetCellText(i, kColReceive, rx);
        }
        if (kind == 3) {
            cells.ToggleCell(i, kColSplit, none);
            cells.SetCellText(i, kColTransmit, HzText(118000000 + 8333 * (i % 5) + 25000 * (i % 700)));
        }
        if (i % 2) cells.ToggleCell(i, kColClockShift, none);
        if (i % 3 == 0) cells.ToggleCell(i, kColTagAlp, none);
        if (i % 5 == 0) cells.ToggleCell(i, kColScan, none);
        if (i % 7 == 3) cells.ToggleCell(i, kColChn, none); // masked, with its values
    }
    ShowGroup(table, kGroupWeather);
    CellEdit cells(table, band, prompts);
    for (int i = kFirstWeatherIndex; i < kChannelCount; i += 2)
        cells.ToggleCell(i, kColScan, none);
    doc.ModelsToImage();
    doc.ImageToModels();
}

struct RoundTrip : ::testing::Test {
    ImportFixture source{1, 1};
    ImportFixture target{1, 1};
    void SetUp() override { MakeEveryKindOfChannel(source.doc); }
};

TEST_F(RoundTrip, OwnListGivesBackEveryColumnOfEveryChannel) {
    const std::string list = *ExportList(source.doc, ListFormat::Zt46);
    const ImportPlan plan = target.Plan(list, {kGroupMr, 1, true});
    ASSERT_EQ(std::pair(plan.rows.size(), plan.RefusedCount()), std::pair(std::size_t{kChannelCount}, 0));
    ASSERT_EQ(ApplyImport(target.doc, plan), ApplyStatus::Applied);
    target.doc.ModelsToImage(); // and as the radio's memory holds them
    target.doc.ImageToModels();
    for (int index = 0; index < kChannelCount; ++index) {
        EXPECT_EQ(target.Cells(index), source.Cells(index)) << SlotName(index);
        EXPECT_EQ(target.doc.Channels().Entry(index).Masked, source.doc.Channels().Entry(index).Masked)
            << SlotName(index);
    }
}

TEST_F(RoundTrip, OwnListIntoItsOwnDocumentChangesNothing) {
    const ImportPlan plan = source.Plan(*ExportList(source.doc, ListFormat::Zt46));
    EXPECT_EQ(plan.RefusedCount(), 0);
    for (const PlannedRow& row : plan.rows)
        EXPECT_EQ(row.outcome, RowOutcome::Unchanged) << row.line;
    EXPECT_EQ(ApplyImport(source.doc, plan), ApplyStatus::NothingToApply);
}

TEST_F(RoundTrip, GenericListKeepsWhatItCanHold) {
    const std::string list = *ExportList(source.doc, ListFormat::Generic);
    const ImportPlan plan = target.Plan(list, {kGroupMr, 1, true});
    EXPECT_EQ(plan.RefusedCount(), 0);
    ASSERT_EQ(ApplyImport(target.doc, plan), ApplyStatus::Applied);
    int inUse = 0;
    for (int index = 0; index < kChannelCount; ++index) {
        if (source.doc.Channels().Entry(index).Masked) continue;
        ++inUse;
        GridRowTexts expected = source.Cells(index), got = target.Cells(index);
        // The generic list has no clock shift and no tag display.
        for (int column : {kColClockShift, kColTagAlp})
            expected[static_cast<std::size_t>(column)] = got[static_cast<std::size_t>(column)];
        if (ChannelTable::GroupOf(index) == kGroupWeather) expected[kColTag] = got[kColTag];
        EXPECT_EQ(got, expected) << SlotName(index);
    }
    EXPECT_EQ(static_cast<int>(plan.rows.size()), inUse);
}

TEST(ListExportTest, GenericListWritesTheToolsHeaderAndNeutralValues) {
    ImportFixture f;
    SilentPrompts prompts(Answer::No);
    ChosenStep eightThirtyThree(0);
    CellEdit cells(f.doc.Channels(), f.doc.Bands(), prompts);
    cells.SetCellText(0, kColTag, "twr");
    cells.SetCellText(0, kColReceive, "110.000");
    cells.ToggleCell(0, kColAmStep, eightThirtyThree);
    cells.SetCellText(0, kColReceive, "110.008333");
    cells.ToggleCell(0, kColSplit, eightThirtyThree);
    cells.SetCellText(0, kColTransmit, "121.016666");
    cells.ToggleCell(0, kColScan, eightThirtyThree);
    const std::string list = *ExportList(f.doc, ListFormat::Generic);
    EXPECT_EQ(
        list,
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
        "1,TWR,110.008333,split,121.016666,,88.5,88.5,023,NN,023,Tone->Tone,AM,8.33,,,,,,,\r\n"
        "151,,118.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,S,,,,,,\r\n");
    EXPECT_FALSE(ExportList(f.doc, ListFormat::Airports));
}

} // namespace
} // namespace zt46
