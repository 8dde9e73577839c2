#include <gtest/gtest.h>

#include "ExchangeFixture.h"
#include "exchange/ImportPreview.h"

namespace zt46 {
namespace {

using exchange_test::ImportFixture;

constexpr const char* kEgll = "id,airport_ref,airport_ident,type,description,frequency_mhz\n"
                              "1,2434,EGLL,TWR,TOWER,118.5\n"
                              "2,2434,EGLL,GND,GROUND,121.9\n"
                              "3,2434,EGLL,ATIS,ATIS,128.075\n";

std::vector<std::string> Slots(const ImportPlan& plan) {
    std::vector<std::string> slots;
    for (const PlannedRow& row : plan.rows)
        slots.push_back(row.Accepted() ? SlotName(row.index) : RefusalText(row.refusal));
    return slots;
}

TEST(ImportPlanTest, PlacedRowsTakeTheNextMaskedChannelsFromTheChosenOne) {
    struct Case {
        const char* name;
        ImportPlacement placement;
        std::vector<std::string> slots;
    };
    const Case cases[] = {
        {"MR from 2, MR 3 in use", {kGroupMr, 2, false}, {"MR 2", "MR 4", "MR 5"}},
        {"Book from 99", {kGroupBook, 99, false}, {"Book 99", "Book 100", "group full"}},
        {"replace: one after another", {kGroupMr, 2, true}, {"MR 2", "MR 3", "MR 4"}},
        {"the weather group takes no rows",
         {kGroupWeather, 1, false},
         {"group full", "group full", "group full"}},
    };
    for (const Case& c : cases) {
        ImportFixture f;
        f.doc.Channels().Entry(2).Masked = 0;
        const ImportPlan plan = f.Plan(kEgll, c.placement, {std::nullopt, {"EGLL"}});
        EXPECT_EQ(Slots(plan), c.slots) << c.name;
    }
}

TEST(ImportPlanTest, RowsNamingChannelsComeFirstAndOnlyOnce) {
    ImportFixture f;
    const ImportPlan plan = f.Plan("Location,Name,Frequency\n,A,118.1\n2,B,118.2\n2,C,118.3\n");
    EXPECT_EQ(Slots(plan), (std::vector<std::string>{"MR 3", "MR 2", "duplicate slot"}));
    EXPECT_EQ(RefusalReason(plan.rows[2]), "duplicate slot (MR 2, taken by line 3)");

    ImportPlacement ignoreListed{kGroupBook, 10, false, false};
    EXPECT_EQ(Slots(f.Plan("Location,Name,Frequency\n5,A,118.1\n6,B,118.2\n", ignoreListed)),
              (std::vector<std::string>{"Book 10", "Book 11"}));
}

TEST(ImportPlanTest, ChannelsInUseChangeOnlyWhenReplacing) {
    struct Case {
        const char *name, *row;
        bool replace;
        RowOutcome outcome;
    };
    const Case cases[] = {
        {"changes MR 1", "1,X,119.0,S", false, RowOutcome::Refused},
        {"replaces MR 1", "1,X,119.0,S", true, RowOutcome::Replaces},
        {"gives MR 1 what it holds", "1,,118.0,S", false, RowOutcome::Unchanged},
        {"takes a masked channel", "2,X,119.0,S", false, RowOutcome::Taken},
    };
    for (const Case& c : cases) {
        ImportFixture f;
        const ImportPlan plan =
            f.Plan(std::string("Location,Name,Frequency,Skip\n") + c.row, {kGroupMr, 1, c.replace});
        EXPECT_EQ(plan.rows[0].outcome, c.outcome) << c.name;
        if (c.outcome == RowOutcome::Refused) {
            EXPECT_EQ(RefusalReason(plan.rows[0]), "channel in use (MR 1)");
        }
    }
}

TEST(ImportPlanTest, ApplyChangesThePlannedChannelsAsOneChange) {
    ImportFixture f;
    const ChannelTable original = f.doc.Channels();
    ImportPlan plan = f.Plan(std::string(kEgll) + "4,2434,EGLL,X,HIGH,170.0\n", {}, {std::nullopt, {"EGLL"}});
    EXPECT_EQ(std::tuple(plan.AcceptedCount(), plan.RefusedCount(), plan.changed, f.doc.ImageModified()),
              std::tuple(3, 1, std::vector<int>{1, 2, 3}, false)); // planning changes nothing

    EXPECT_EQ(ApplyImport(f.doc, plan), ApplyStatus::Applied);
    EXPECT_TRUE(f.doc.ImageModified());
    for (int index = 0; index < kChannelCount; ++index) {
        const bool planned = index >= 1 && index <= 3;
        EXPECT_EQ(f.doc.Channels().Entry(index) == original.Entry(index), !planned) << index;
    }
    // The preview showed what the grid now shows, and what survives the radio's encoding.
    f.doc.ModelsToImage();
    f.doc.ImageToModels();
    for (const PlannedRow& row : plan.rows) {
        if (row.Accepted()) {
            EXPECT_EQ(f.Cells(row.index), row.cells) << row.line;
        }
    }
    EXPECT_FALSE(f.doc.Channels().Entry(1).Masked);

    // The same plan again finds the channels changed under it.
    f.doc.SetModified(false);
    EXPECT_EQ(ApplyImport(f.doc, plan), ApplyStatus::Stale);
    EXPECT_FALSE(f.doc.ImageModified());
}

TEST(ImportPlanTest, StaleOrEmptyPlansApplyNothing) {
    ImportFixture f;
    const ImportPlan plan = f.Plan("Location,Frequency\n2,119.0\n");
    f.doc.System().RxExpansion = 1; // the band settings changed since the preview
    EXPECT_EQ(ApplyImport(f.doc, plan), ApplyStatus::Stale);
    EXPECT_TRUE(f.doc.Channels().Entry(1).Masked);

    ImportFixture g;
    const ImportPlan refused = g.Plan("Location,Frequency\n2,170.0\n3,\n");
    EXPECT_EQ(ApplyImport(g.doc, refused), ApplyStatus::NothingToApply);
    EXPECT_FALSE(g.doc.ImageModified());
}

TEST(ImportPlanTest, PreviewTableAndRefusedRows) {
    ImportFixture f;
    const ImportPlan plan = f.Plan("Location,Name,Frequency\n2,Tower,118.5\n3,High,170.0\n");
    EXPECT_EQ(
        FormatPreview(plan),
        " Line  Name         Frequency   Channel  Mode TAG      Receive Transmit AM    FM    Sft Alp SC  "
        "split   Result\n"
        "    2  Tower        118.5       MR 2     AM   TOWER    118.500 -------  25k   ----  -   -   v   "
        "Simplex taken\n"
        "    3  High         170.0       -                                                               "
        "        refused: receive frequency outside the radio's range (170.0)\n"
        "2 rows: 1 taken, 1 refused\n");
    EXPECT_EQ(FormatRefusals(plan), "line 3: receive frequency outside the radio's range (170.0)\n");
}

} // namespace
} // namespace zt46
