// What the user reads about a change: the labels of the undo history, and the reasons the cell rules
// give when a key or a paste is refused, and the keys each kind of field takes.

#include <gtest/gtest.h>

#include "EditFixture.h"
#include "core/editor/ChannelPaste.h"
#include "core/editor/EditTexts.h"
#include "core/editor/InputFilters.h"

namespace zt46 {
namespace {

using edit_test::EditFixture;

TEST(EditTextsTest, LabelsNameTheCellAndTheChannel) {
    EXPECT_EQ(CellLabel(11, kColReceive), "Receive of MR 12");
    EXPECT_EQ(CellLabel(kFirstBookIndex + 2, kColChn), "Use of Book MR 3");
    EXPECT_EQ(CellLabel(kFirstWeatherIndex, kColScan), "Scan of Weather 1");
    EXPECT_EQ(CellLabel(149, kColAmStep), "AM step of MR 150"); // a paste's label: PasteChannelTest
}

// The reasons a committed frequency gives are SetCellTextTest's.
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

// The keys a filter takes and some it refuses; every filter takes Backspace, and none takes 0xC1, which
// would read as 'A' by its low seven bits (the radio has no such character).
template <typename Kind> void Check(Kind kind, const char* accepted, const char* refused) {
    for (const char* p = accepted; *p; ++p)
        EXPECT_TRUE(FilterAccepts(kind, *p)) << int(kind) << " " << *p;
    for (const char* p = refused; *p; ++p)
        EXPECT_FALSE(FilterAccepts(kind, *p)) << int(kind) << " " << *p;
    EXPECT_TRUE(FilterAccepts(kind, kBackspace));
    EXPECT_FALSE(FilterAccepts(kind, U'\u00C1'));
}

TEST(InputFiltersTest, EachKindTakesItsKeys) {
    Check(EditFilter::Tag, "09AZaz ()+=*/:-_", "!.,#\"'");
    Check(EditFilter::Frequency, "0123456789. ", "a-+:");
    Check(EditFilter::HexByte, "09ABCDEFabcdef", "Gg ");
    Check(ConfirmFilter::Decimal, "09. ", "-a");
    Check(ConfirmFilter::Signed, "09 -+", ".a");
    Check(ConfirmFilter::SignedDecimal, "09. -+", "a,");
    Check(ConfirmFilter::DigitsSpace, "09 ", ".-");
}

} // namespace
} // namespace zt46
