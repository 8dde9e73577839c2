// The one doorway for changes: each kind of operation, run as one change, gives one record whose images
// are exactly the document's before and after it; an operation that changes nothing records nothing; an
// undo and a redo of the record give those images back.

#include <gtest/gtest.h>

#include <functional>

#include "core/document/ChangeScope.h"
#include "core/document/FactoryImage.h"
#include "core/editor/ChannelPaste.h"
#include "core/editor/EditTexts.h"
#include "core/settings/ComboPageModels.h"
#include "core/settings/SystemSettingsModel.h"
#include "core/settings/VfoPageModel.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

class RecordingSink : public ChangeSink {
public:
    void Recorded(ChangeRecord record) override { records.push_back(std::move(record)); }
    void HistoryReset() override { events.push_back("reset"); }
    void Saved() override { events.push_back("saved"); }
    std::vector<ChangeRecord> records;
    std::vector<std::string> events;
};

class FixedStep : public StepPicker {
public:
    explicit FixedStep(std::optional<int> step) : m_step(step) {}
    std::optional<int> PickStep(int, int) override { return m_step; }

private:
    std::optional<int> m_step;
};

struct Fixture : test::DocFixture {
    RecordingSink sink;
    Fixture() : DocFixture(FactoryImage()) {
        for (int i = 0; i < 10; ++i)
            doc.Channels().Entry(i).Masked = 0;
        doc.ModelsToImage();
        doc.SetChangeSink(&sink);
    }
    CellEdit Cells() { return CellEdit(doc.Channels(), doc.Bands(), prompts); }
    ChannelPaste Paste() {
        return ChannelPaste(doc.Channels(), doc.Bands(), prompts, {1, 1, 1, 1, 1, 1, 1, 1});
    }
    // MR 4 as an AM channel on the 8.33 kHz raster at 118.000 MHz (shown 118.005).
    void Make833() {
        ChannelEntry& e = doc.Channels().Entry(3);
        e.AmStep = 0;
        ApplyAmStepGrids(e);
        Cells().SetCellText(3, kColReceive, "118.000");
    }
};

using Step = std::function<void(Fixture&)>;

struct OperationCase {
    const char* name;
    Step setup;     // before the change begins
    Step operation; // the user's action
    bool changes;
};

const Step kNothing = [](Fixture&) {};

std::vector<OperationCase> Operations() {
    return {
        {"typed receive frequency", kNothing,
         [](Fixture& f) { f.Cells().CommitEdit(2, kColReceive, "121.5", "118.000"); }, true},
        {"unchanged commit of an 8.33 kHz channel", [](Fixture& f) { f.Make833(); },
         [](Fixture& f) { f.Cells().CommitEdit(3, kColReceive, "118.005", "118.005"); }, false},
        {"the 8.33 kHz channel's name typed again", [](Fixture& f) { f.Make833(); },
         [](Fixture& f) { f.Cells().SetCellText(3, kColReceive, "118.005"); }, false},
        {"pasted text the column refuses", kNothing,
         [](Fixture& f) { f.Paste().PasteIntoCell(2, kColReceive, "12a"); }, false},
        {"a channel not in use", [](Fixture& f) { f.doc.Channels().Entry(20).Masked = 1; },
         [](Fixture& f) {
             FixedStep none(std::nullopt);
             f.Cells().ToggleCell(20, kColScan, none);
             f.Paste().PasteIntoCell(20, kColTag, "TWR");
         },
         false},
        {"scan switched", kNothing,
         [](Fixture& f) {
             FixedStep none(std::nullopt);
             f.Cells().ToggleCell(2, kColScan, none);
         },
         true},
        {"Space on Mode beeps", kNothing,
         [](Fixture& f) {
             FixedStep none(std::nullopt);
             f.Cells().ToggleCell(2, kColMode, none);
         },
         false},
        {"step picked", kNothing,
         [](Fixture& f) {
             FixedStep step833(0);
             f.Cells().ToggleCell(2, kColAmStep, step833);
         },
         true},
        {"step picker cancelled", kNothing,
         [](Fixture& f) {
             FixedStep none(std::nullopt);
             f.Cells().ToggleCell(2, kColAmStep, none);
         },
         false},
        {"channel paste answered Yes", [](Fixture& f) { f.Cells().SetCellText(0, kColTag, "TWR"); },
         [](Fixture& f) { f.Paste().PasteIntoCell(5, kColChn, "1"); }, true},
        {"channel paste answered No",
         [](Fixture& f) {
             f.Cells().SetCellText(0, kColTag, "TWR");
             f.prompts.answers.push_back(Answer::No);
         },
         [](Fixture& f) { f.Paste().PasteIntoCell(5, kColChn, "1"); }, false},
        {"System settings OK", kNothing,
         [](Fixture& f) {
             SystemSettingsModel system(f.doc, true);
             system.Start();
             system.Select(kRowAnlStatus, 1);
             system.Accept();
         },
         true},
        {"System settings OK with the same item chosen again", kNothing,
         [](Fixture& f) {
             SystemSettingsModel system(f.doc, true);
             system.Start();
             system.Select(kRowAnlStatus, system.Value(kRowAnlStatus));
             system.Accept();
         },
         false},
        {"System settings cancelled", kNothing,
         [](Fixture& f) {
             SystemSettingsModel system(f.doc, true);
             system.Start();
             system.Select(kRowAnlStatus, 1);
             system.Reject();
         },
         false},
        {"Common settings OK", kNothing,
         [](Fixture& f) {
             KeysMiscPageModel page(f.doc);
             page.Start();
             page.CommitOffset("4.2");
             page.Accept();
         },
         true},
        {"Common settings OK with the offset committed unchanged", kNothing,
         [](Fixture& f) {
             KeysMiscPageModel page(f.doc);
             page.Start();
             page.CommitOffset(page.OffsetText());
             page.Accept();
         },
         false},
        {"VFO settings OK", kNothing,
         [](Fixture& f) {
             VfoPageModel page(f.doc, kVfoBOffset);
             page.Start();
             page.CommitRx("121.5");
             page.Accept();
         },
         true},
        {"VFO frequency committed unchanged",
         [](Fixture& f) {
             VfoPageModel page(f.doc, kVfoAOffset);
             page.Start();
             page.Select(VfoCombo::AmStep, 0);
             page.CommitRx("118.000");
             page.Accept();
         },
         [](Fixture& f) {
             VfoPageModel page(f.doc, kVfoAOffset);
             page.Start();
             page.CommitRx(page.RxText()); // Return twice: the shown channel name
             page.CommitRx("118.0050");
             page.Accept();
         },
         false},
        {"image bytes", kNothing,
         [](Fixture& f) {
             f.doc.Image()[kSerialNumberOffset] ^= 0x11;
             f.doc.ImageToModels();
         },
         true},
        {"image bytes written back unchanged", kNothing, [](Fixture& f) { f.doc.ImageToModels(); }, false},
        {"alignment values", kNothing,
         [](Fixture& f) {
             f.doc.Image()[75] = 95;
             f.doc.ImageToModels();
         },
         true},
        {"trailer alone", kNothing, [](Fixture& f) { f.doc.Trailer()[3] ^= 1; }, true},
    };
}

TEST(ChangeRecordTest, EachOperationRecordsExactlyTheImagesBeforeAndAfter) {
    for (const OperationCase& c : Operations()) {
        Fixture f;
        c.setup(f);
        f.doc.ModelsToImage();
        f.doc.SetModified(false);
        const CloneImage before = f.doc.Image();
        const ImageTrailer trailerBefore = f.doc.Trailer();

        const bool changed = f.doc.Change("label", f.doc.CurrentPlace(), [&] { c.operation(f); });

        f.doc.ModelsToImage();
        EXPECT_EQ(changed, c.changes) << c.name;
        EXPECT_EQ(f.doc.ImageModified(), c.changes) << c.name;
        ASSERT_EQ(f.sink.records.size(), c.changes ? 1u : 0u) << c.name;
        if (!c.changes) {
            EXPECT_EQ(f.doc.Image(), before) << c.name;
            continue;
        }
        const ChangeRecord& record = f.sink.records.front();
        EXPECT_EQ(record.before, before) << c.name;
        EXPECT_EQ(record.trailerBefore, trailerBefore) << c.name;
        EXPECT_EQ(record.after, f.doc.Image()) << c.name;
        EXPECT_EQ(record.trailerAfter, f.doc.Trailer()) << c.name;
        EXPECT_EQ(record.label, "label");

        // Undo and redo: the images come back exactly, and the models write them again unchanged.
        f.doc.RestoreImage(record.before, record.trailerBefore);
        f.doc.ModelsToImage();
        EXPECT_EQ(f.doc.Image(), before) << c.name;
        EXPECT_EQ(f.doc.Trailer(), trailerBefore) << c.name;
        f.doc.RestoreImage(record.after, record.trailerAfter);
        f.doc.ModelsToImage();
        EXPECT_EQ(f.doc.Image(), record.after) << c.name;
        EXPECT_EQ(f.sink.records.size(), 1u) << c.name; // restoring records nothing
    }
}

TEST(ChangeRecordTest, LabelPlaceAndScopes) {
    Fixture f;
    f.doc.Channels().ShowGroup(kGroupBook, 0);
    f.doc.Channels().SetCurrentIndex(kFirstBookIndex + 4);
    {
        // A scope left without Commit (a cancelled dialog) records nothing.
        ChangeScope cancelled(f.doc, kSystemSettingsLabel);
        f.doc.Channels().Entry(3).Scan = 1;
    }
    {
        ChangeScope outer(f.doc, "first");
        f.doc.Channels().Entry(4).Scan = 1;
        ChangeScope inner(f.doc, "inner");
        f.doc.Channels().Entry(5).Scan = 1;
        EXPECT_FALSE(inner.Commit()); // part of the outer change
        outer.SetLabel(kCommonSettingsLabel);
        EXPECT_TRUE(outer.Commit());
        EXPECT_FALSE(outer.Commit()); // once only
    }
    ASSERT_EQ(f.sink.records.size(), 1u);
    const ChangeRecord& record = f.sink.records[0];
    EXPECT_EQ(record.label, "Common settings");
    EXPECT_EQ(record.where.group, kGroupBook);
    EXPECT_EQ(record.where.index, kFirstBookIndex + 4);
    EXPECT_EQ(record.where.column, -1);
    // The cancelled scope's edit is in both images: it was never recorded on its own.
    f.doc.RestoreImage(record.before, record.trailerBefore);
    EXPECT_EQ(f.doc.Channels().Entry(3).Scan, 1);
    EXPECT_EQ(f.doc.Channels().Entry(4).Scan, 0);
    EXPECT_EQ(f.doc.Channels().Entry(5).Scan, 0);
}

TEST(ChangeRecordTest, LoadsStartAFreshHistoryAndSavesMarkTheSavedState) {
    Fixture f;
    const std::string path = test::WriteClone(f.dir.File("a.t46"), FactoryImage());
    ASSERT_TRUE(f.doc.LoadFileStrict(path));
    f.doc.Change("x", f.doc.CurrentPlace(), [&] { f.doc.Channels().Entry(1).Scan = 1; });
    ASSERT_TRUE(f.doc.Save());
    EXPECT_FALSE(f.doc.ImageModified());
    f.doc.TakeRadioImage(FactoryImage());
    ASSERT_TRUE(f.doc.OpenPath(path));
    EXPECT_EQ(f.sink.events, (std::vector<std::string>{"reset", "saved", "reset", "reset"}));
    EXPECT_EQ(f.sink.records.size(), 1u);
}

TEST(ChangeRecordTest, RestoredPlaceShowsWeatherOnlyWithTheBand) {
    Fixture f;
    ChannelTable& table = f.doc.Channels();
    table.ShowGroup(kGroupWeather, 0);
    EXPECT_EQ(table.CurrentGroup(), kGroupMr);
    table.ShowGroup(kGroupWeather, 1);
    EXPECT_EQ(table.CurrentGroup(), kGroupWeather);
    EXPECT_EQ(table.CurrentIndex(), kFirstWeatherIndex);
    table.ShowGroup(kGroupBook, 0);
    EXPECT_EQ(table.FirstNumber(), kFirstBookIndex + 1);
}

} // namespace
} // namespace zt46
