// Undo and redo in the running program, driven with real keys: a typed frequency, a pasted channel and a
// dialog's OK taken back and given again, the modified mark around a save, the grid back on the changed
// cell, an open edit committed first, and the status bar saying why a key or a value was refused or
// changed (the reasons' words are EditTextsTest's).

#include "core/editor/CellEdit.h"
#include "gui/GuiTestSupport.h"
#include "gui/settings/SystemSettingsDialog.h"

namespace zt46 {

class EditHistoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<gui_test::AppFixture> f;

    MainWindow* Frame() { return f->Frame(); }
    Document& Doc() { return f->Doc(); }
    ChannelTableView* Grid() { return Frame()->View()->Grid(); }
    QAction* Undo() { return Frame()->Action(cmd::kUndo); }
    QAction* Redo() { return Frame()->Action(cmd::kRedo); }
    CloneImage Image() { return f->Image(); }
    ChannelTableView* Select(int row, int column) { return f->Select(row, column); }
    QString Cell(int row, int column) { return f->Cell(row, column); }
    void TypeFrequency(int row, const QString& keys) {
        Select(row, kColReceive);
        gui_test::Type(keys);
        QTest::keyClick(Frame()->View()->Editor(), Qt::Key_Return);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // ANL switched on in the System dialog, OK by its button.
    void SwitchAnlOn() {
        QVERIFY(gui_test::RunModal<SystemSettingsDialog>(
            [this] { f->Trigger(cmd::kSystem); },
            [](SystemSettingsDialog* dlg) {
                gui_test::PickWithKeys(dlg->Combo(kRowAnlStatus), 1);
                QTest::mouseClick(dlg->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            }));
        QApplication::setActiveWindow(Frame());
        QVERIFY(QTest::qWaitForWindowActive(Frame()));
    }

private slots:
    void init() {
        f = std::make_unique<gui_test::AppFixture>();
        QVERIFY(f->Start());
        // MR 1..10 and Book 1..10 in use (the factory image has MR 1 alone).
        for (int i = 0; i < 10; ++i)
            Doc().Channels().Entry(i).Masked = Doc().Channels().Entry(kFirstBookIndex + i).Masked = 0;
        Frame()->View()->RefreshGrid();
    }
    void cleanup() { f.reset(); }

    void threeChangesUndoneAndRedoneWithTheKeys() {
        const CloneImage original = Image();
        QVERIFY(!Undo()->isEnabled() && !Redo()->isEnabled());

        TypeFrequency(2, "121.5");
        QCOMPARE(Undo()->text(), QString("&Undo Receive of MR 3"));
        Select(2, kColChn);
        QGuiApplication::clipboard()->setText("3");
        Select(6, kColChn);
        Key(Qt::Key_V);
        QCOMPARE(Undo()->text(), QString("&Undo Paste MR 3 onto MR 7"));
        SwitchAnlOn();
        QCOMPARE(Undo()->text(), QString("&Undo System settings"));
        const CloneImage edited = Image();

        Grid()->setFocus();
        for (int i = 0; i < 3; ++i)
            Key(Qt::Key_Z);
        QVERIFY(Image() == original);
        QVERIFY(!Undo()->isEnabled());
        QCOMPARE(Redo()->text(), QString("&Redo Receive of MR 3"));
        QCOMPARE(Cell(2, kColReceive), QString("118.000"));
        QVERIFY(!Doc().ImageModified());

        Key(Qt::Key_Y);
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        Key(Qt::Key_Y);
        QVERIFY(Image() == edited);
        QVERIFY(!Redo()->isEnabled());
        QVERIFY(Doc().ImageModified());
    }

    void modifiedMarkFollowsSaveUndoAndRedo() {
        const QString path = f->Path("saved.T46");
        Doc().SetCurrentFileName(path.toStdString());
        QVERIFY(Frame()->windowTitle().contains("[*]"));
        QVERIFY(!Frame()->isWindowModified());
        TypeFrequency(0, "125");
        QVERIFY(Frame()->isWindowModified());
        f->Trigger(cmd::kSave);
        QVERIFY(!Frame()->isWindowModified());
        QVERIFY(!Doc().ImageModified());

        Key(Qt::Key_Z);
        QVERIFY(Frame()->isWindowModified() && Doc().ImageModified());
        Key(Qt::Key_Y);
        QVERIFY(!Frame()->isWindowModified() && !Doc().ImageModified());
        // An operation that changes nothing neither records nor marks.
        QTest::keyClick(Select(0, kColMode), Qt::Key_Space);
        QCOMPARE(Undo()->text(), QString("&Undo Receive of MR 1"));
        QVERIFY(!Frame()->isWindowModified());
    }

    void undoShowsTheGroupAndCellOfTheChange() {
        QTest::keyClick(Grid(), Qt::Key_F2);
        QTest::keyClick(Select(4, kColScan), Qt::Key_Space);
        QCOMPARE(Doc().Channels().Entry(kFirstBookIndex + 4).Scan, 1);
        QTest::keyClick(Grid(), Qt::Key_F2); // back to MR
        Select(9, kColReceive);

        Key(Qt::Key_Z);
        QCOMPARE(Doc().Channels().Entry(kFirstBookIndex + 4).Scan, 0);
        QCOMPARE(Frame()->View()->GroupLabel()->text(), QString(" BOOK GROUP    "));
        QCOMPARE(Grid()->currentIndex().row(), 4);
        QCOMPARE(Grid()->currentIndex().column(), kColScan);
    }

    void anOpenEditIsCommittedBeforeTheUndo() {
        TypeFrequency(0, "121");
        Select(1, kColReceive);
        gui_test::Type("125");
        QVERIFY(Frame()->View()->Editor()->isVisible());
        Undo()->trigger(); // the toolbar button: the editor keeps the focus
        QVERIFY(!Frame()->View()->Editor()->isVisible());
        QCOMPARE(Cell(1, kColReceive), QString("118.000"));
        QCOMPARE(Redo()->text(), QString("&Redo Receive of MR 2"));
        QCOMPARE(Cell(0, kColReceive), QString("121.000"));
        Redo()->trigger();
        QCOMPARE(Cell(1, kColReceive), QString("125.000"));
    }

    void statusBarSaysWhy() {
        TypeFrequency(3, "500");
        QCOMPARE(Frame()->statusBar()->currentMessage(), QString("500 is above the band: 136.975"));
        Select(20, kColTag); // MR 21 is not in use in the factory image
        gui_test::Type("A");
        QVERIFY(!Frame()->View()->Editor()->isVisible());
        QCOMPARE(Frame()->statusBar()->currentMessage(),
                 QString("MR 21 is not in use: Space or a double click on its number puts it in use"));
        // A refused character, as the first key on the cell and inside the open editor.
        for (const char* typed : {"x", "1x"}) {
            Frame()->statusBar()->clearMessage();
            Select(0, kColReceive);
            gui_test::Type(typed);
            QCOMPARE(Frame()->statusBar()->currentMessage(), QString("Receive takes digits and a point"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
    }
};

} // namespace zt46

ZT46_GUI_TEST(EditHistoryTest)
#include "EditHistoryTest.moc"
