// The one doorway for changes: each kind of operation, run as one change, gives one record whose images
// are exactly the document's before and after it, and an undo and a redo give them back; an operation
// that changes nothing records nothing.

#include <gtest/gtest.h>

#include <functional>

#include "core/document/ChangeScope.h"
#include "core/document/FactoryImage.h"
#include "core/editor/ChannelPaste.h"
#include "core/settings/ComboPageModels.h"
#include "core/settings/SystemSettingsModel.h"
#include "core/settings/VfoPageModel.h"
#include "editor/EditFixture.h"
#include "support/TestSupport.h"

namespace zt46 {
namespace {

class RecordingSink : public ChangeSink {
public:
    void Recorded(ChangeRecord record) override { records.push_back(std::move(record)); }
    void HistoryReset() override { events += "reset "; }
    void Saved() override { events += "saved "; }
    std::vector<ChangeRecord> records;
    std::string events;
};

struct Fixture : test::DocFixture {
    RecordingSink sink;
    Fixture() : DocFixture(FactoryImage()) {
        for (int i = 0; i < 10; ++i)
            doc.Channels().Entry(i).Masked = 0;
        doc.SetChangeSink(&sink);
    }
    CellChange Toggle(int index, int column, std::optional<int> step = std::nullopt) {
        edit_test::ScriptedPicker picker;
        picker.answer = step;
        return CellEdit(doc.Channels(), doc.Bands(), prompts).ToggleCell(index, column, picker);
    }
    CellChange Type(int index, int column, const char* text, const char* atStart = "") {
        return CellEdit(doc.Channels(), doc.Bands(), prompts).CommitEdit(index, column, text, atStart);
    }
    CellChange Paste(int index, int column, const char* text, Answer answer = Answer::Yes) {
        prompts.answers.push_back(answer);
        return ChannelPaste(doc.Channels(), doc.Bands(), prompts, {1, 1, 1, 1, 1, 1, 1, 1})
            .PasteIntoCell(index, column, text);
    }
    void System(int anl, bool ok) {
        SystemSettingsModel system(doc, true);
        system.Start();
        system.Select(kRowAnlStatus, anl);
        ok ? system.Accept() : system.Reject();
    }
    void Vfo(const char* first, const char* second, bool ok = true) {
        VfoPageModel page(doc, kVfoAOffset);
        page.Start();
        page.Select(VfoCombo::AmStep, 0);
        page.CommitRx(first);
        page.CommitRx(second);
        if (ok) page.Accept();
    }
};

using Step = std::function<void(Fixture&)>;

struct OperationCase {
    const char* name;
    Step operation;
    bool changes;
};

TEST(ChangeRecordTest, EachOperationRecordsExactlyTheImagesBeforeAndAfter) {
    const OperationCase cases[] = {
        {"typed receive frequency", [](Fixture& f) { f.Type(2, kColReceive, "121.5"); }, true},
        {"unchanged commit", [](Fixture& f) { f.Type(2, kColReceive, "118.000", "118.000"); }, false},
        {"scan switched", [](Fixture& f) { f.Toggle(2, kColScan); }, true},
        {"step picked", [](Fixture& f) { f.Toggle(2, kColAmStep, 0); }, true},
        {"step picker cancelled", [](Fixture& f) { f.Toggle(2, kColAmStep); }, false},
        {"channel paste answered Yes", [](Fixture& f) { f.Paste(5, kColChn, "21"); }, true},
        {"channel paste answered No", [](Fixture& f) { f.Paste(5, kColChn, "21", Answer::No); }, false},
        {"System settings OK", [](Fixture& f) { f.System(1, true); }, true},
        {"System settings OK, same item again", [](Fixture& f) { f.System(0, true); }, false},
        {"System settings cancelled", [](Fixture& f) { f.System(1, false); }, false},
        {"Common settings OK",
         [](Fixture& f) {
             KeysMiscPageModel page(f.doc);
             page.Start();
             page.CommitOffset("4.2");
             page.Accept();
         },
         true},
        {"VFO settings OK", [](Fixture& f) { f.Vfo("121.5", "121.5"); }, true},
        {"VFO settings cancelled", [](Fixture& f) { f.Vfo("121.5", "121.5", false); }, false},
        // VFO A is at 118.000 MHz on the 8.33k step: its name typed, then committed unchanged.
        {"VFO name committed", [](Fixture& f) { f.Vfo("118.0050", "118.005"); }, false},
        {"image bytes",
         [](Fixture& f) {
             f.doc.Image()[75] = 95;
             f.doc.ImageToModels();
         },
         true},
        {"trailer", [](Fixture& f) { f.doc.Trailer()[3] ^= 1; }, true},
    };
    for (const OperationCase& c : cases) {
        Fixture f;
        f.Vfo("118.000", "118.000"); // 8.33k step, outside the change
        f.doc.ModelsToImage();
        f.doc.SetModified(false);
        const CloneImage before = f.doc.Image();
        const ImageTrailer trailerBefore = f.doc.Trailer();

        EXPECT_EQ(f.doc.Change("label", f.doc.CurrentPlace(), [&] { c.operation(f); }), c.changes) << c.name;

        f.doc.ModelsToImage();
        EXPECT_EQ(f.doc.ImageModified(), c.changes) << c.name;
        ASSERT_EQ(f.sink.records.size(), c.changes ? 1u : 0u) << c.name;
        if (!c.changes) {
            EXPECT_EQ(f.doc.Image(), before) << c.name;
            continue;
        }
        const ChangeRecord& record = f.sink.records.front();
        EXPECT_TRUE(record.before == before && record.trailerBefore == trailerBefore) << c.name;
        EXPECT_TRUE(record.after == f.doc.Image() && record.trailerAfter == f.doc.Trailer()) << c.name;
        // Undo and redo: the images come back exactly, and the models write them again unchanged.
        for (const auto& [image, trailer] :
             {std::pair(record.before, record.trailerBefore), std::pair(record.after, record.trailerAfter)}) {
            f.doc.RestoreImage(image, trailer);
            f.doc.ModelsToImage();
            EXPECT_TRUE(f.doc.Image() == image && f.doc.Trailer() == trailer) << c.name;
        }
        EXPECT_EQ(f.sink.records.size(), 1u) << c.name; // restoring records nothing
    }
}

TEST(ChangeRecordTest, CancelledAndInnerScopesBelongToNoRecordOfTheirOwn) {
    Fixture f;
    f.doc.Channels().ShowGroup(kGroupBook, 0);
    f.doc.Channels().SetCurrentIndex(kFirstBookIndex + 4);
    {
        ChangeScope cancelled(f.doc, "cancelled"); // left without Commit
        f.doc.Channels().Entry(3).Scan = 1;
    }
    ChangeScope outer(f.doc, "outer");
    f.doc.Channels().Entry(4).Scan = 1;
    ChangeScope inner(f.doc, "inner");
    f.doc.Channels().Entry(5).Scan = 1;
    EXPECT_FALSE(inner.Commit());
    outer.SetLabel("Common settings");
    EXPECT_TRUE(outer.Commit());
    ASSERT_EQ(f.sink.records.size(), 1u);
    const ChangeRecord& record = f.sink.records[0];
    EXPECT_EQ(std::tuple(record.label, record.where.group, record.where.index),
              std::tuple("Common settings", kGroupBook, kFirstBookIndex + 4));
    f.doc.RestoreImage(record.before, record.trailerBefore);
    EXPECT_EQ(f.doc.Channels().Entry(3).Scan, 1); // the cancelled edit is in both images
    EXPECT_EQ(f.doc.Channels().Entry(4).Scan + f.doc.Channels().Entry(5).Scan, 0);
}

TEST(ChangeRecordTest, LoadsStartAFreshHistoryAndSavesMarkTheSavedState) {
    Fixture f;
    const std::string path = test::WriteClone(f.dir.File("a.t46"), FactoryImage());
    ASSERT_TRUE(f.doc.LoadFileStrict(path));
    f.doc.Change("x", f.doc.CurrentPlace(), [&] { f.doc.Channels().Entry(1).Scan = 1; });
    ASSERT_TRUE(f.doc.Save());
    f.doc.TakeRadioImage(FactoryImage());
    ASSERT_TRUE(f.doc.OpenPath(path));
    EXPECT_EQ(f.sink.events, "reset saved reset reset ");
    // A place in the Weather group is shown only while the weather band is on.
    f.doc.Channels().ShowGroup(kGroupWeather, 0);
    EXPECT_EQ(f.doc.Channels().CurrentGroup(), kGroupMr);
}

} // namespace
} // namespace zt46
