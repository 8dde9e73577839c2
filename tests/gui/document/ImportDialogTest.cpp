// File > Import... and File > Export...: the preview of the import dialog, OK and the ways of cancelling,
// a bad list, airports typed in the dialog, and both commands from the menu of the running program.

#include <QTableView>

#include "gui/GuiTestSupport.h"
#include "gui/document/ChannelListCommands.h"
#include "gui/document/ImportDialog.h"
#include "gui/document/ImportPreviewModel.h"

namespace zt46 {

using gui_test::DocumentFixture;
using gui_test::WhenModal;
using Column = ImportPreviewModel::Column;

namespace {

// Two rows placed from the first masked channel (MR 11), one outside the radio's bands, one over MR 1.
constexpr char kList[] = "Location,Name,Frequency,Mode\n"
                         ",Tower,118.5,AM\n"
                         ",Far,170.0,AM\n"
                         "1,Over,119.1,AM\n"
                         ",Atis,132.005,AM\n";

QString Cell(const ImportDialog* dialog, int row, int column) {
    return dialog->Table()->model()->index(row, column).data().toString();
}

QVariant Role(const ImportDialog* dialog, int row, int role) {
    return dialog->Table()->model()->index(row, Column::kResult).data(role);
}

// Runs fn on the import dialog once it is up; a check that fails inside fn leaves the dialog open, and it
// is then cancelled so the run goes on.
void WhenImportDialog(std::function<void(ImportDialog*)> fn) {
    WhenModal<ImportDialog>([fn](ImportDialog* dialog) {
        fn(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

std::vector<ChannelEntry> Entries(const Document& doc) {
    std::vector<ChannelEntry> entries;
    for (int i = 0; i < kChannelCount; ++i)
        entries.push_back(doc.Channels().Entry(i));
    return entries;
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DocumentFixture> f;
    std::unique_ptr<ChannelListCommands> lists;

    QString Write(const char* name, const std::string& text) const {
        return QString::fromStdString(test::WriteBytes(f->dir.File(name), {text.begin(), text.end()}));
    }

private slots:
    void init() {
        f = std::make_unique<DocumentFixture>(); // MR 1..10 in use
        lists = std::make_unique<ChannelListCommands>(f->doc, f->prompts);
    }
    void cleanup() {
        gui_test::DropModalWaits();
        lists.reset();
        f.reset();
    }

    void previewShowsEachRowAndOkAppliesTheRowsShown() {
        const QString list = Write("list.csv", kList);
        const std::vector<ChannelEntry> before = Entries(f->doc);
        QSignalSpy changed(lists.get(), &ChannelListCommands::ChannelsChanged);
        QStringList summaries;
        WhenImportDialog([&](ImportDialog* dialog) {
            QCOMPARE(dialog->Table()->model()->rowCount(), 4);
            QCOMPARE(Cell(dialog, 0, Column::kChannel), QString("MR 11"));
            // Which rows are taken where, and the preview's cells, are the import plan's rules
            // (ImportPlanTest). Refused rows are marked; accepted ones are drawn as any other row.
            QVERIFY(Role(dialog, 1, Qt::BackgroundRole).isValid());
            QVERIFY(!Role(dialog, 0, Qt::BackgroundRole).isValid());
            summaries << dialog->Summary()->text();

            // Ticking "replace" with the keyboard plans again: the rows may now change channels in use, and
            // the rows that name none fill the group from its first channel on.
            dialog->ReplaceBox()->setFocus();
            QTest::keyClick(dialog->ReplaceBox(), Qt::Key_Space);
            QCOMPARE(Cell(dialog, 2, Column::kResult), QString("replaces"));
            QCOMPARE(Cell(dialog, 0, Column::kChannel), QString("MR 2"));
            summaries << dialog->Summary()->text();
            QCOMPARE(f->doc.Channels().Entry(0).RxHz, 118000000); // nothing applied yet

            // Enter on the table is OK.
            dialog->Table()->setFocus();
            QTest::keyClick(dialog->Table(), Qt::Key_Return);
        });
        QVERIFY(lists->ImportFrom(list));
        QCOMPARE(summaries, QStringList({"Generic channel list, 4 rows: 2 taken, 2 refused",
                                         "Generic channel list, 4 rows: 3 taken, 1 refused"}));
        QCOMPARE(changed.count(), 1);
        QVERIFY(f->doc.ImageModified());
        const std::vector<ChannelEntry> after = Entries(f->doc);
        QCOMPARE(after[0].RxHz, 119100000);
        QCOMPARE(after[1].TagForDisplay(), std::string("TOWER   "));
        QCOMPARE(after[2].RxHz, 132000000);
        for (int i = 3; i < kChannelCount; ++i)
            QVERIFY2(after[i] == before[i], qPrintable(QString::number(i)));
    }

    // Cancel after an option changed applies nothing. (Escape and the close box are Qt's own reject.)
    void cancelAppliesNothing() {
        const QString list = Write("list.csv", kList);
        const std::vector<ChannelEntry> before = Entries(f->doc);
        QSignalSpy changed(lists.get(), &ChannelListCommands::ChannelsChanged);
        WhenImportDialog([](ImportDialog* dialog) {
            dialog->ReplaceBox()->click();
            auto* cancel = dialog->findChildren<QPushButton*>().last();
            QCOMPARE(cancel->text(), QString("Cancel"));
            cancel->click();
        });
        QVERIFY(!lists->ImportFrom(list));
        QVERIFY(Entries(f->doc) == before);
        QVERIFY(!f->doc.ImageModified());
        QCOMPARE(changed.count(), 0);
    }

    void badListGetsTheMessageWithLineAndColumnAndNoDialog() {
        const QString list = Write("bad.csv", "Name,Frequency\nA,118.1\nB,abc\n");
        const std::vector<ChannelEntry> before = Entries(f->doc);
        bool dialogShown = false; // a dialog would wait for a user: it is closed, and the test fails
        gui_test::WhenModalWidget([&dialogShown](QWidget* modal) { return dialogShown = modal->close(); });
        QVERIFY(!lists->ImportFrom(list));
        QVERIFY(!dialogShown);
        QCOMPARE(f->prompts.ids.size(), std::size_t(1));
        const QString text = QString::fromStdString(f->prompts.texts.back());
        QVERIFY2(text.contains("bad.csv") && text.contains("line 3, column 2 (Frequency): not a number"),
                 qPrintable(text));
        QVERIFY(Entries(f->doc) == before);
        QVERIFY(!f->doc.ImageModified());
    }

    void airportsTypedInTheDialogArePlannedBeforeOkTakesThem() {
        const QString list =
            Write("airports.csv", "id,airport_ref,airport_ident,type,description,frequency_mhz\n"
                                  "1,2434,EGLL,TWR,TOWER,118.5\n"
                                  "2,2434,EGLL,ATIS,ATIS,128.075\n"
                                  "3,2429,EGKK,TWR,TOWER,124.225\n");
        WhenImportDialog([&](ImportDialog* dialog) {
            QVERIFY(!dialog->OkButton()->isEnabled());
            QCOMPARE(QApplication::focusWidget(), dialog->AirportsEdit());
            QTest::keyClick(dialog->Table(), Qt::Key_Return); // no plan: OK does nothing
            QVERIFY(dialog->isVisible());
            gui_test::TypeAndReturn(dialog->AirportsEdit(), "egll"); // Return plans and shows the rows
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->Table()->model()->rowCount(), 2);
            QCOMPARE(Cell(dialog, 1, Column::kFirstGridColumn + kColTag - 1), QString("EGLL ATI"));
            QTest::keyClick(dialog->AirportsEdit(), Qt::Key_Return); // OK
        });
        QVERIFY(lists->ImportFrom(list));
        QCOMPARE(f->doc.Channels().Entry(10).TagForDisplay(), std::string("EGLL TWR"));
        QCOMPARE(f->doc.Channels().Entry(11).RxHz, 128075000);
    }

    void exportToAMissingFolderSaysWhy() {
        const QString nowhere = QString::fromStdString(f->dir.File("none/out.csv"));
        QVERIFY(!lists->ExportTo(nowhere, ListFormat::Zt46));
        QCOMPARE(f->prompts.ids, std::vector<int>{IDS_CREATE_FILE_ERROR});
        QVERIFY(QString::fromStdString(f->prompts.texts.back()).contains(nowhere));
    }

    // The menu commands of the running program: Export... writes the format of the chosen name filter,
    // Import... shows the list's rows in the grid and marks the document modified; the whole import is one
    // undo step.
    void menuCommandsExportAndImport() {
        gui_test::AppFixture app;
        QVERIFY(app.Start());
        const QString exported = app.Path("generic.csv");
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            dialog->selectNameFilter("Generic channel list (*.csv)");
            gui_test::ChooseFile(dialog, exported);
        });
        app.Trigger(cmd::kExport);
        QVERIFY(test::ReadText(exported.toStdString()).rfind("Location,Name,Frequency,Duplex,", 0) == 0);

        const CloneImage before = app.Image();
        const QString list = Write("list.csv", "Name,Frequency\nGnd,121.9\nTwr,118.7\n");
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
            WhenImportDialog([](ImportDialog* import) { import->OkButton()->click(); });
            gui_test::ChooseFile(dialog, list);
        });
        app.Trigger(cmd::kImport);
        QVERIFY(app.Doc().ImageModified());
        QCOMPARE(app.Cell(1, kColTag), QString("GND     "));
        QCOMPARE(app.Cell(2, kColReceive), QString("118.700"));
        QAction* undo = app.Frame()->Action(cmd::kUndo);
        QCOMPARE(undo->text(), QString("&Undo Import 2 channels"));
        undo->trigger();
        QVERIFY(app.Image() == before);
        QVERIFY(!app.Doc().ImageModified());
        QVERIFY(!undo->isEnabled());
    }
};

} // namespace zt46

ZT46_GUI_TEST(ImportDialogTest)
#include "ImportDialogTest.moc"
