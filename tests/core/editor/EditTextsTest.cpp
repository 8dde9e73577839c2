// What the user reads about a change: the labels of the undo history, and the reasons the cell rules
// give when a key or a paste is refused or a committed frequency is clamped or snapped.

#include <gtest/gtest.h>

#include "EditFixture.h"
#include "core/editor/ChannelPaste.h"
#include "core/editor/EditTexts.h"

namespace zt46 {
namespace {

using edit_test::EditFixture;

TEST(EditTextsTest, LabelsNameTheCellAndTheChannel) {
    EXPECT_EQ(CellLabel(11, kColReceive), "Receive of MR 12");
    EXPECT_EQ(CellLabel(kFirstBookIndex + 2, kColChn), "Use of Book MR 3");
    EXPECT_EQ(CellLabel(kFirstWeatherIndex, kColScan), "Scan of Weather 1");
    EXPECT_EQ(CellLabel(149, kColAmStep), "AM step of MR 150");
    EXPECT_EQ(ChannelPasteLabel(2, kFirstBookIndex), "Paste MR 3 onto Book MR 1");
}

struct FrequencyCase {
    const char* typed;
    int column;
    int amStep;
    int rxExpansion;
    const char* reason;
};

// MR 5 starts as an AM channel at 110.000 MHz with the given AM step, split.
TEST(EditTextsTest, CommittedFrequenciesSayWhyTheyChanged) {
    const FrequencyCase cases[] = {
        {"500", kColReceive, 1, 0, "500 is above the band: 136.975"},
        {"100", kColReceive, 1, 0, "100 is below the band: 108.000"},
        {"", kColReceive, 1, 0, "0 is below the band: 108.000"},
        {"143.99", kColReceive, 1, 1, "143.99 is between the bands: 143.975"},
        {"118.013", kColReceive, 1, 0, "118.013 lies between 25k channels: 118.025"},
        {"118.003", kColReceive, 0, 0, "118.003 lies between 8.33k channels: 118.005"},
        {"118.000", kColReceive, 0, 0, ""}, // a channel's frequency: it shows the channel's name
        {"118.005", kColReceive, 0, 0, ""}, // a channel's name
        {"150", kColTransmit, 1, 0, "150 is above the band: 136.975"},
        {"117", kColTransmit, 1, 0, "117 is below the band: 118.000"},
        {"121.51", kColTransmit, 1, 0, "121.51 lies between 25k channels: 121.500"},
        {"121.505", kColTransmit, 0, 0, ""},
    };
    for (const FrequencyCase& c : cases) {
        EditFixture f(0, c.rxExpansion);
        f.SetAm(4, "110.000", c.amStep);
        f.Entry(4).Split = 1;
        EXPECT_EQ(f.Cells().SetCellText(4, c.column, c.typed).reason, c.reason) << c.typed;
    }
    // FM 12.5 kHz channels show whole kilohertz: 145.012 is what the channel shows for 145.0125.
    EditFixture f(0, 1);
    f.Cells().SetCellText(4, kColReceive, "145.000");
    f.Entry(4).FmStep = 2;
    EXPECT_EQ(f.Cells().SetCellText(4, kColReceive, "145.012").reason, "");
    EXPECT_EQ(f.Cells().SetCellText(4, kColReceive, "145.013").reason,
              "145.013 lies between 12.5k channels: 145.012");
}

TEST(EditTextsTest, RefusalsSayWhy) {
    EditFixture f;
    f.Entry(4).Masked = 1;
    const std::string notInUse = "MR 5 is not in use: Space or a double click on its number puts it in use";
    std::string reason;
    EXPECT_FALSE(f.Cells().TextForEdit(4, kColReceive, &reason));
    EXPECT_EQ(reason, notInUse);
    EXPECT_EQ(f.Cells().ToggleCell(4, kColScan, f.picker).reason, notInUse);
    ChannelPaste paste(f.table, f.Band(), f.prompts, {1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(paste.PasteIntoCell(4, kColTag, "A").reason, notInUse);
    EXPECT_EQ(paste.PasteIntoCell(6, kColReceive, "121,5").reason, "Receive takes digits and a point");
    EXPECT_EQ(paste.PasteIntoCell(6, kColTag, "ABCDEFGHI").reason, "TAG takes at most 8 characters");
    EXPECT_EQ(paste.PasteIntoCell(6, kColReceive, "500").reason, "500 is above the band: 136.975");
    EXPECT_EQ(f.Cells().ToggleCell(0, kColChn, f.picker).reason,
              "MR 1 stays in use: the radio needs one MR and one Book channel in use");
    // The beeps stay where they were: refused pastes beep (into the masked row too); opening or
    // switching a cell of the masked row and Space on MR 1 do not.
    EXPECT_EQ(f.prompts.beeps, 3);
}

} // namespace
} // namespace zt46
