// The channel grid driven with real key and mouse events.

#include <QAbstractItemModelTester>

#include "gui/GuiTestSupport.h"

namespace zt46 {

using gui_test::DocumentFixture;

class ChannelTableViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DocumentFixture> f;
    std::unique_ptr<ChannelEditorView> view;

    ChannelTableView* Grid() { return view->Grid(); }
    QString Cell(int row, int column) { return gui_test::Cell(view.get(), row, column); }
    bool Grey(int row) { return view->Model()->index(row, 0).data(Qt::ForegroundRole).isValid(); }
    int Beeps() { return f->prompts.beeps; }
    ChannelTableView* Select(int row, int column) { return gui_test::Select(view.get(), row, column); }
    void ClickCell(int row, int column, bool twice = false) {
        const QRect rect = Grid()->visualRect(view->Model()->index(row, column));
        twice ? QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, rect.center())
              : QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void init() {
        f = std::make_unique<DocumentFixture>();
        view = std::make_unique<ChannelEditorView>(f->doc, f->state, f->prompts);
        view->resize(820, 500);
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        Select(0, 0);
    }
    void cleanup() {
        view.reset();
        f.reset();
    }

    void modelPassesTheModelTester() {
        QAbstractItemModelTester tester(view->Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTest::keyClick(Grid(), Qt::Key_F2);
        QTest::keyClick(Select(2, kColScan), Qt::Key_Space);
        QTest::keyClick(Grid(), Qt::Key_F2);
    }

    void typing_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("shown");
        QTest::addRow("letter opens the tag editor") << kColTag << "a" << 0 << "A       ";
        QTest::addRow("refused mark beeps") << kColTag << "ab!c" << 1 << "ABC     ";
        QTest::addRow("receive frequency") << kColReceive << "121.5" << 0 << "121.500";
    }
    void typing() {
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(int, beeps);
        QFETCH(QString, shown);
        Select(3, column);
        gui_test::Type(keys);
        QCOMPARE(view->Editor()->text(), view->Editor()->text().toUpper()); // capitals as typed
        if (view->Editor()->isVisible()) QTest::keyClick(view->Editor(), Qt::Key_Return);
        QCOMPARE(Cell(3, column), shown);
        QCOMPARE(Beeps(), beeps);
        QVERIFY(!view->Editor()->isVisible());
        QCOMPARE(QApplication::focusWidget(), Grid());
    }

    // Return opens the editor on the shown text, selected; Enter or a click on another cell commits what
    // was typed; Escape commits the old text unchanged, and an 8.33 kHz channel's name committed as it is
    // does not move the channel within its block.
    void editorEnds_data() {
        QTest::addColumn<int>("endKey"); // none: a click on another cell
        QTest::addColumn<QString>("shown");
        QTest::newRow("Enter") << int(Qt::Key_Enter) << "130.005";
        QTest::newRow("click elsewhere") << 0 << "130.005";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "118.005";
    }
    void editorEnds() {
        QFETCH(int, endKey);
        QFETCH(QString, shown);
        f->Entry(4).AmStep = 0; // 118.000 MHz on the 8.33 kHz raster, shown 118.005
        f->Entry(4).RxGrid833 = 1;
        f->Entry(4).RxDisplay = 118.005;
        QTest::keyClick(Select(4, kColReceive), Qt::Key_Return);
        QCOMPARE(view->Editor()->selectedText(), QString("118.005"));
        QTest::keyClicks(view->Editor(), "130");
        endKey ? QTest::keyClick(view->Editor(), Qt::Key(endKey)) : ClickCell(7, kColReceive);
        QVERIFY(!view->Editor()->isVisible());
        QCOMPARE(Cell(4, kColReceive), shown);
        QCOMPARE(Cell(7, kColReceive), QString("118.000"));
        QCOMPARE(f->doc.ImageModified(), endKey != Qt::Key_Escape);
        if (endKey == Qt::Key_Escape) QCOMPARE(f->Entry(4).RxHz, 118000000);
    }

    // Space and a double click flip a flag; Space on the number masks the channel, which greys the row and
    // then takes no toggle and no edit, silently.
    void spaceAndDoubleClickToggleAndMaskingLocksTheRow() {
        QTest::keyClick(Select(1, kColScan), Qt::Key_Space);
        QCOMPARE(Cell(1, kColScan), QString("v"));
        ClickCell(1, kColScan, true);
        QCOMPARE(Cell(1, kColScan), QString("-"));
        QVERIFY(!Grey(1));
        QTest::keyClick(Select(1, kColChn), Qt::Key_Space);
        QVERIFY(Grey(1));
        QTest::keyClick(Select(1, kColScan), Qt::Key_Space);
        QTest::keyClick(Grid(), Qt::Key_Return);
        QVERIFY(!view->Editor()->isVisible());
        QCOMPARE(Cell(1, kColScan), QString("-"));
        QCOMPARE(Beeps(), 0);
        QTest::keyClick(Select(1, kColChn), Qt::Key_Space);
        QVERIFY(!Grey(1));
    }

    void shiftF9AsksForFileDataOnlyInPrivilegedMode() {
        QSignalSpy asked(view.get(), &ChannelEditorView::FileDataRequested);
        QTest::keyClick(Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(asked.count(), 0);
        f->state.PrivilegedMode = Privilege::Privileged;
        QTest::keyClick(Grid(), Qt::Key_F9);
        QCOMPARE(asked.count(), 0);
        QTest::keyClick(Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(asked.count(), 1);
    }

    // Whole channels copied and pasted: MainWindowTest, EditHistoryTest and the core's ChannelPasteTest.
    void copyAndPasteThroughTheClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        f->Entry(2).SetTagText("ATIS");
        // A block of cells: tabs between cells, carriage returns between rows.
        Grid()->setCurrentIndex(view->Model()->index(2, kColTag));
        Grid()->selectionModel()->select(
            QItemSelection(view->Model()->index(2, kColTag), view->Model()->index(3, kColReceive)),
            QItemSelectionModel::ClearAndSelect);
        view->CopyCells();
        QCOMPARE(clipboard->text(), QString("ATIS    \t118.000\r        \t118.000"));
        // Text into a cell goes through the cell's paste rules.
        clipboard->setText("v");
        Select(5, kColScan);
        view->PasteCells();
        QCOMPARE(Cell(5, kColScan), QString("v"));
    }
};

} // namespace zt46

ZT46_GUI_TEST(ChannelTableViewTest)
#include "ChannelTableViewTest.moc"
