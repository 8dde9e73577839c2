#include <gtest/gtest.h>

#include "EditFixture.h"
#include "core/editor/ChannelPaste.h"
#include "core/util/Messages.h"

namespace zt46 {
namespace {

using edit_test::EditFixture;

ChannelPaste Paste(EditFixture& f, ColumnFlags flags = {1, 1, 1, 1, 1, 1, 1, 1}) {
    return ChannelPaste(f.table, f.Band(), f.prompts, flags);
}

// Channel 6 is an AM 25k channel at 110.000 MHz, not split, clock shift off. An accepted paste shows its
// text in the cell; a refused one beeps and changes nothing.
TEST(PasteIntoCellTest, AcceptsOnlyTheColumnsOwnTexts) {
    struct Case {
        const char* name;
        int column;
        const char* text;
        const char* shown; // nullptr: refused
    };
    const Case cases[] = {
        {"tag", kColTag, "ATIS-1", "ATIS-1  "},
        {"tag in small letters", kColTag, "gnd a", "GND A   "},
        {"empty tag", kColTag, "", "        "},
        {"tag with a refused mark", kColTag, "A!B", nullptr},
        {"two cells into a tag", kColTag, "AB\tCD", nullptr},
        {"receive", kColReceive, "121.5", "121.500"},
        {"empty receive is clamped", kColReceive, "", "108.000"},
        {"receive too long", kColReceive, "121.5000", nullptr},
        {"transmit of a simplex channel beeps but counts", kColTransmit, "120.000", "-------"},
        {"mode", kColMode, "AM", nullptr},
        {"AM step", kColAmStep, "8.33k", "8.33k"},
        {"FM step on an AM channel", kColFmStep, "25k", nullptr},
        {"AM step in capitals", kColAmStep, "25K", nullptr},
        {"clock shift on", kColClockShift, "v", "v"},
        {"clock shift off", kColClockShift, "-", "-"},
        {"tag display", kColTagAlp, "v", "v"},
        {"scan", kColScan, "v", "v"},
        {"scan with another text", kColScan, "V", nullptr},
        {"split", kColSplit, "Split", "Split"},
        {"split in lower case", kColSplit, "split", nullptr},
    };
    for (const Case& c : cases) {
        EditFixture f;
        f.SetAm(6, "110.000");
        f.Entry(6).ClockShift = 1;
        const ChannelEntry before = f.Entry(6);
        const CellChange change = Paste(f).PasteIntoCell(6, c.column, c.text);
        EXPECT_EQ(change.accepted, c.shown != nullptr) << c.name;
        if (c.shown) {
            EXPECT_EQ(f.Cells().CellText(6, c.column), c.shown) << c.name;
        } else {
            EXPECT_EQ(f.prompts.beeps, 1) << c.name;
            EXPECT_TRUE(f.Entry(6) == before) << c.name;
        }
    }
}

// The unit flag each FM step brings is ToggleCellTest's (the same rule).
TEST(PasteIntoCellTest, FmStepOfAnFmChannel) {
    EditFixture f(0, 1);
    f.Cells().SetCellText(3, kColReceive, "145.000");
    EXPECT_TRUE(Paste(f).PasteIntoCell(3, kColFmStep, "12.5k").accepted);
    EXPECT_EQ(f.Entry(3).FmStep, 2);
}

// A masked row's refusal is EditTextsTest's.
TEST(PasteIntoCellTest, WeatherGroupTakesOnlyScan) {
    EditFixture f;
    f.ShowWeatherGroup();
    EXPECT_TRUE(Paste(f).PasteIntoCell(251, kColScan, "v").accepted);
    EXPECT_EQ(f.Entry(251).Scan, 1);
    EXPECT_FALSE(Paste(f).PasteIntoCell(251, kColTag, "AB").accepted);
    EXPECT_FALSE(Paste(f).PasteIntoCell(251, kColChn, "3").accepted);
    EXPECT_EQ(f.prompts.beeps, 2);
}

TEST(PasteChannelTest, RefusesWhatIsNotAnotherChannel) {
    for (const char* text : {"7", "0", "3.5", "abc", "261", "-4", ""}) {
        EditFixture f;
        EXPECT_FALSE(Paste(f).PasteIntoCell(6, kColChn, text).accepted) << text;
        EXPECT_EQ(std::pair(f.prompts.beeps, f.prompts.ids.size()), std::pair(1, 0ul)) << text; // no question
    }
}

// Answered No, the paste changes nothing but counts as done (no beep).
TEST(PasteChannelTest, AsksWithBothLabelsAndCopiesOnYes) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        EditFixture f;
        f.SetAm(150, "121.500");
        f.Entry(150).SetTagText("TOWER");
        f.prompts.answers.push_back(answer);
        const CellChange change = Paste(f).PasteIntoCell(6, kColChn, ChannelClipText(150));
        ASSERT_EQ(f.prompts.ids, std::vector<int>{IDS_COPY_CHANNEL});
        EXPECT_EQ(f.prompts.texts[0],
                  "Do you copy BOOK GROUP:Ch 1 data to MR GROUP:Ch 7?\n(Only visible columns)");
        EXPECT_EQ(std::tuple(change.accepted, change.rewrite, change.label),
                  std::tuple(true, kAllColumns, "Paste Book MR 1 onto MR 7"));
        const bool yes = answer == Answer::Yes;
        EXPECT_EQ(std::tuple(f.Entry(6).RxHz, f.Entry(6).TagForDisplay()),
                  std::tuple(yes ? 121500000 : 118000000, yes ? "TOWER   " : "        "));
    }
}

TEST(CopyChannelColumnsTest, OnlyTheVisibleColumnsTravel) {
    struct Case {
        const char* name;
        ColumnFlags flags;
        bool frequency, tag, scan;
    };
    const Case cases[] = {
        {"everything", {1, 1, 1, 1, 1, 1, 1, 1}, true, true, true},
        {"frequency hidden", {1, 1, 0, 1, 1, 1, 1, 1}, false, true, true},
        {"tag and scan hidden", {1, 0, 1, 1, 1, 1, 2, 1}, true, false, false},
    };
    for (const Case& c : cases) {
        EditFixture f(0, 1);
        f.Cells().SetCellText(20, kColReceive, "150.000");
        f.Entry(20).SetTagText("FM");
        f.Entry(20).Scan = 1;
        Paste(f, c.flags).CopyChannelColumns(20, 6);
        const ChannelEntry& to = f.Entry(6);
        EXPECT_EQ(to.Mode == kModeFm && to.RxHz == 150000000, c.frequency) << c.name;
        EXPECT_EQ(to.TagForDisplay() == "FM      ", c.tag) << c.name;
        EXPECT_EQ(to.Scan == 1, c.scan) << c.name;
    }
}

// The radio needs one channel in use in MR and in Book: a paste never takes MR 1 or Book 1 out of use,
// and the rest of it applies.
TEST(CopyChannelColumnsTest, MrOneAndBookOneStayInUse) {
    struct Case {
        int destination;
        bool sourceMasked, destinationMasked;
        int masked;
        const char* reason;
    };
    const Case cases[] = {
        {0, true, false, 0, "MR 1 stays in use: the radio needs one MR and one Book channel in use"},
        {kFirstBookIndex, true, false, 0,
         "Book MR 1 stays in use: the radio needs one MR and one Book channel in use"},
        {7, true, false, 1, ""},
        {0, false, true, 0, ""}, // a masked MR 1 may be put in use
        {kFirstBookIndex + 1, true, false, 1, ""},
    };
    for (const Case& c : cases) {
        EditFixture f;
        f.SetAm(5, "121.500");
        f.Entry(5).SetTagText("ATIS");
        f.Entry(5).Masked = c.sourceMasked;
        f.Entry(c.destination).Masked = c.destinationMasked;
        const std::string reason = Paste(f).CopyChannelColumns(5, c.destination);
        const ChannelEntry& to = f.Entry(c.destination);
        EXPECT_EQ(std::tuple(to.Masked, reason, to.RxHz, to.TagForDisplay()),
                  std::tuple(c.masked, c.reason, 121500000, "ATIS    "))
            << c.destination;
    }
    // Through the paste command the reason reaches the caller.
    EditFixture f;
    f.Entry(5).Masked = 1;
    EXPECT_EQ(Paste(f).PasteIntoCell(0, kColChn, "6").reason,
              "MR 1 stays in use: the radio needs one MR and one Book channel in use");
}

TEST(CopyChannelColumnsTest, SplitRules) {
    EditFixture f;
    // With the frequency hidden, a split does not land on a channel outside the split band.
    f.SetAm(8, "110.000");
    f.Entry(8).Split = 1;
    f.SetAm(9, "125.000");
    Paste(f, {1, 1, 0, 1, 1, 1, 1, 1}).CopyChannelColumns(8, 9);
    EXPECT_EQ(f.Entry(9).Split, 0);
}

TEST(CopyChannelColumnsTest, WeatherChannelOntoMrMakesItWeather) {
    EditFixture f(0, 1);
    f.system.WeatherBand = 1; // after the load: the factory Weather channels sit on 118.000 MHz
    f.Entry(250).Mode = kModeWx;
    f.Entry(250).RxHz = 162550000;
    Paste(f).PasteIntoCell(10, kColChn, "251");
    EXPECT_EQ(std::pair(f.Entry(10).Mode, f.Entry(10).RxHz), std::pair(kModeWx, 162550000));
    // A weather-mode destination takes nothing.
    f.Entry(250).RxHz = 162400000;
    Paste(f).CopyChannelColumns(250, 10);
    EXPECT_EQ(f.Entry(10).RxHz, 162550000);
}

TEST(ClipTextTest, TabsBetweenCellsCarriageReturnsBetweenRows) {
    EXPECT_EQ(CellsClipText({{"1", "AM"}, {"2", "FM"}}), "1\tAM\r2\tFM");
    EXPECT_EQ(CellsClipText({{"x"}}), "x");
    EXPECT_EQ(ChannelLabel(259), "WEATHER GROUP:Ch 10");
}

} // namespace
} // namespace zt46
