// The application started as the program starts it, in a temporary working folder.

#include <QFileInfo>
#include <QListWidget>

#include "gui/GuiTestSupport.h"
#include "gui/app/HelpDialog.h"
#include "gui/controls/PromptBarPage.h"
#include "gui/document/ImageBytesDialog.h"
#include "gui/editor/StepPickerDialog.h"
#include "gui/editor/VisibleColumnsDialog.h"

namespace zt46 {

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<gui_test::AppFixture> f;

    int IniValue(const QString& key) const { return f->Ini(key).toInt(); }
    MainWindow* Frame() { return f->Frame(); }
    void Start(const QStringList& args = {}, Privilege grant = Privilege::Normal) {
        QVERIFY(f->Start(args, grant));
    }
    ChannelTableView* Select(int row, int column) { return f->Select(row, column); }

private slots:
    void init() { f = std::make_unique<gui_test::AppFixture>(); }
    void cleanup() { f.reset(); }

    // ZT46Win.ini: values out of range are corrected at start, the size and the columns written on close.
    void iniIsCorrectedAtStartAndWrittenOnClose() {
        f->SetIni("Initialize/PORT_TYPE", 7);
        f->SetIni("Initialize/COM_PORT", 0);
        f->SetIni("ITEM/ITEM3", 0);
        Start();
        QCOMPARE(f->Ini(QStringList{"Initialize/PORT_TYPE", "Initialize/COM_PORT", "ITEM/ITEM0"}),
                 QStringList({"0", "1", "1"}));
        QVERIFY(Frame()->View()->Grid()->isColumnHidden(kColAmStep));
        QVERIFY(!Frame()->Action(cmd::kItemFirst + 3)->isChecked());
        QCOMPARE(Frame()->View()->HeaderField(2), QString("COM1"));
        Frame()->resize(900, 610);
        Frame()->View()->ToggleColumn(6);
        QVERIFY(Frame()->close());
        QCOMPARE(f->Ini(QStringList{"Initialize/CX", "Initialize/CY", "ITEM/ITEM3", "ITEM/ITEM6"}),
                 QStringList({"900", "610", "0", "0"}));
    }

    // What start-up makes of its command line (which words are switches, and which ask for the privileged
    // mode, are core rules: StartArgumentsTest, PrivilegedModeTest): the mode and the file shown, or no
    // window when the named file is missing.
    void startUp_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("privileged");
        QTest::addColumn<QString>("file"); // as the title names it; none: the start ends
        QTest::addRow("nothing") << QStringList{} << false << "<none>";
        QTest::addRow("the whole switch") << QStringList{"/m"} << true << "<none>";
        QTest::addRow("switch and file: normal mode") << QStringList{"-M", "x.T46"} << false << "x.T46";
        QTest::addRow("no such file") << QStringList{"gone.T46"} << false << QString();
    }
    void startUp() {
        QFETCH(QStringList, args);
        QFETCH(bool, privileged);
        QFETCH(QString, file);
        test::WriteClone(f->Path("x.T46").toStdString(), FactoryImage());
        QCOMPARE(f->Start(args, Privilege::Privileged), !file.isEmpty());
        QVERIFY(f->passwordRequest == (privileged ? Privilege::Privileged : Privilege::Normal));
        if (file.isEmpty()) {
            QCOMPARE(f->prompts.ids, std::vector<int>{IDS_OPEN_FILE_ERROR});
            QVERIFY(QString::fromStdString(f->prompts.texts[0]).contains(f->Path(args.last())));
            QVERIFY(!Frame());
            return;
        }
        const QString shown = file == "<none>" ? file : f->Path(file);
        QVERIFY(Frame()->TitleText().startsWith(shown + " - ZT46Win for KSR-410"));
        QCOMPARE(Frame()->TitleText().endsWith("(M)"), privileged);
        QCOMPARE(Frame()->Action(cmd::kAlign)->isEnabled(), privileged);
        if (!privileged) return;
        // Shift+F9 in the grid opens the image's bytes.
        QVERIFY(gui_test::RunModal<ImageBytesDialog>(
            [this] { QTest::keyClick(Select(0, kColChn), Qt::Key_F9, Qt::ShiftModifier); }, [](auto*) {}));
    }

    // The first start writes the default file, the grid has the focus; the next start opens that file.
    void firstStartWritesTheDefaultFile() {
        Start();
        QVERIFY(QFile::exists(f->Path("ZT46default.t46")));
        QCOMPARE(QApplication::focusWidget(), Frame()->View()->Grid());
        f->Stop();
        Start();
        QCOMPARE(Frame()->TitleText(), f->Path("ZT46default.t46") + " - ZT46Win for KSR-410");
    }

    // A second copy started for a file hands it over: it opens here through the ask-to-save flow, once
    // no dialog is open.
    void fileFromASecondCopyOpensAsFileOpen() {
        Start();
        const QString path = f->Path("other.T46");
        CloneImage image = FactoryImage();
        image[4] = 0x42;
        test::WriteClone(path.toStdString(), image);
        f->Doc().SetModified();
        f->prompts.answers = {Answer::No};
        bool underDialog = false;
        gui_test::WhenModal<VisibleColumnsDialog>([&underDialog, this](VisibleColumnsDialog* dialog) {
            underDialog = f->Doc().CurrentFileName() != "<none>";
            dialog->reject();
        });
        QTimer::singleShot(0, Frame(), [this, path] { Frame()->OpenFromOtherCopy(path); });
        Frame()->Action(cmd::kVisible)->trigger();
        QTRY_COMPARE(QString::fromStdString(f->Doc().CurrentFileName()), path);
        QVERIFY(!underDialog);
        QCOMPARE(f->prompts.ids, std::vector<int>{IDS_SAVE_CHANGES});
        QCOMPARE(f->Doc().Image()[4], 0x42);
    }

    void visibleDialogRewritesItemsWhateverItsResult() {
        Start();
        f->SetIni("ITEM/ITEM0", 5);
        gui_test::WhenModal<VisibleColumnsDialog>([](VisibleColumnsDialog* dialog) {
            dialog->Box(0)->setChecked(false);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        Frame()->Action(cmd::kVisible)->trigger();
        QCOMPARE(IniValue("ITEM/ITEM0"), 1);
        QVERIFY(!Frame()->View()->Grid()->isColumnHidden(kColMode));

        gui_test::WhenModal<VisibleColumnsDialog>([](VisibleColumnsDialog* dialog) {
            dialog->Box(1)->setFocus();
            QTest::keyClick(dialog->Box(1), Qt::Key_Return); // flips the box, the dialog stays
            QVERIFY(dialog->isVisible());
            dialog->OkButton()->setFocus();
            QTest::keyClick(dialog->OkButton(), Qt::Key_Return);
        });
        Frame()->Action(cmd::kVisible)->trigger();
        QCOMPARE(IniValue("ITEM/ITEM1"), 0);
        QVERIFY(Frame()->View()->Grid()->isColumnHidden(kColTag));
    }

    void closeAsksAboutUnsavedChanges() {
        Start();
        f->Doc().SetModified();
        f->prompts.answers = {Answer::Cancel};
        QVERIFY(!Frame()->close());
        QVERIFY(Frame()->isVisible());
        QCOMPARE(f->prompts.ids, std::vector<int>{IDS_SAVE_CHANGES});
        f->prompts.answers = {Answer::No};
        QVERIFY(Frame()->close());
    }

    void copyGoesToTheFocusedControl() {
        Start();
        QTest::keyClick(Select(4, kColChn), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("5"));
        QTest::keyClick(Select(0, kColTag), 'A');
        QTest::keyClick(QApplication::focusWidget(), 'B');
        FilterEdit* editor = Frame()->View()->Editor();
        QCOMPARE(QApplication::focusWidget(), editor);
        editor->selectAll();
        Frame()->Action(cmd::kCopy)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("AB"));
        // Pasting into the editor goes through its filter.
        QGuiApplication::clipboard()->setText("c!d");
        Frame()->Action(cmd::kPaste)->trigger();
        QCOMPARE(editor->text(), QString("CD"));
    }

    void openedFilesAreRemembered() {
        Start();
        const QString path = f->Path("one.T46");
        test::WriteClone(path.toStdString(), FactoryImage());
        gui_test::WhenModal<QFileDialog>([path](QFileDialog* dialog) { gui_test::ChooseFile(dialog, path); });
        Frame()->Action(cmd::kOpen)->trigger();
        QCOMPARE(Frame()->TitleText(), path + " - ZT46Win for KSR-410");
        QCOMPARE(f->Ini("Recent File List/File1").toString(), path);
        QAction* recent = Frame()->Action(cmd::kRecentFile1);
        QVERIFY(recent && recent->text().endsWith(path));
        // The entry opens through the same flow: the file that is open is read again.
        f->Doc().Channels().Entry(3).Scan = 1;
        recent->trigger();
        QCOMPARE(f->Doc().Channels().Entry(3).Scan, 0);
    }

    void saveWithoutAFileAsksForANameAndBeforeCreating() {
        Start();
        const QString path = f->Path("new.T46");
        f->Doc().Channels().Entry(0).Scan = 1;
        f->Doc().SetModified();
        gui_test::WhenModal<QFileDialog>([path](QFileDialog* dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            // The question about creating the file comes up once the name is chosen.
            gui_test::WhenModal<QMessageBox>(
                [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            gui_test::ChooseFile(dialog, path);
        });
        Frame()->Action(cmd::kSave)->trigger();
        QCOMPARE(QFileInfo(path).size(), qint64(4104));
        QVERIFY(!f->Doc().ImageModified());
        QCOMPARE(Frame()->TitleText(), path + " - ZT46Win for KSR-410");
    }

    // F1 opens the topic of what has the focus: the grid's current column (Shift+F1 opens nothing), a
    // dialog, a sheet's shown page.
    void f1OpensTheTopicOfWhatHasTheFocus_data() {
        QTest::addColumn<int>("command"); // 0: the grid
        QTest::addColumn<int>("at");      // the grid's column or the sheet's page
        QTest::addColumn<int>("context");
        QTest::addRow("grid, Receive") << 0 << int(kColReceive) << 303;
        QTest::addRow("grid, Tag") << 0 << int(kColTag) << 300 + kColTag;
        QTest::addRow("System") << cmd::kSystem << 0 << 131174;
        QTest::addRow("Common, page 1") << cmd::kCommon << 0 << 131264;
        QTest::addRow("Common, page 3") << cmd::kCommon << 2 << 131266;
        QTest::addRow("VFO, page 2") << cmd::kVfo << 1 << 131269;
    }
    void f1OpensTheTopicOfWhatHasTheFocus() {
        QFETCH(int, command);
        QFETCH(int, at);
        Start();
        QList<int> shown; // the topic of each F1
        const auto f1 = [this, &shown](QWidget* widget) {
            QTest::keyClick(widget, Qt::Key_F1);
            shown << (Frame()->Help() ? Frame()->Help()->ShownContext() : -1);
        };
        if (!command) {
            ChannelTableView* grid = Select(0, at);
            QTest::keyClick(grid, Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(!Frame()->Help());
            f1(grid);
            // With the focus outside the grid, the main window's topic is still the current column's.
            QVERIFY(gui_test::ShowActive(Frame()));
            grid->clearFocus();
            f1(Frame());
        } else {
            gui_test::WhenModalWidget([at, &f1](QWidget* dialog) {
                auto* sheet = qobject_cast<PromptBarSheet*>(dialog);
                if (sheet) {
                    sheet->Tabs()->setCurrentIndex(at);
                    sheet->Page(at)->findChild<QComboBox*>()->setFocus();
                }
                f1(QApplication::focusWidget());
                if (sheet) { // on the tabs: the shown page's topic
                    sheet->Tabs()->tabBar()->setFocus();
                    f1(sheet->Tabs()->tabBar());
                }
                dialog->close();
                return true;
            });
            Frame()->Action(command)->trigger();
        }
        QVERIFY(!shown.isEmpty());
        for (int topic : shown)
            QTEST(topic, "context");
    }

    void stepPickerFromTheGridWithItsHelp() {
        Start();
        gui_test::WhenModal<StepPickerDialog>([this](StepPickerDialog* picker) {
            QCOMPARE(picker->List()->currentItem()->text(), QString("25k"));
            QTest::keyClick(picker->List(), Qt::Key_F1);
            QVERIFY(Frame()->Help());
            QCOMPARE(Frame()->Help()->ShownContext(), 305);
            const QRect first = picker->List()->visualItemRect(picker->List()->item(0));
            QTest::mouseClick(picker->List()->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseDClick(picker->List()->viewport(), Qt::LeftButton, {}, first.center());
        });
        QTest::keyClick(Select(0, kColAmStep), Qt::Key_Space);
        QCOMPARE(Frame()->View()->Model()->index(0, kColAmStep).data().toString(), QString("8.33k"));
        QVERIFY(f->Doc().ImageModified());
    }

    void commonProblemsOpensItsHelpText() {
        Start();
        QVERIFY(gui_test::RunModal<HelpDialog>(
            [this] { f->Trigger(cmd::kCommonProblems); },
            [](HelpDialog* help) { QVERIFY(!help->Text()->toPlainText().isEmpty()); }));
    }
};

} // namespace zt46

ZT46_GUI_TEST(MainWindowTest)
#include "MainWindowTest.moc"
