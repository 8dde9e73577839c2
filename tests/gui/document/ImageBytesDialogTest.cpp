// The "File Data" dialog: the table as laid out, in-place hexadecimal edits, OK and the ways of
// cancelling, driven by real key and mouse events.

#include <QTableView>

#include "gui/GuiTestSupport.h"
#include "gui/document/ImageBytesDialog.h"

namespace zt46 {

using gui_test::DocumentFixture;

class ImageBytesDialogTest : public QObject {
    Q_OBJECT

    static constexpr int kAt = 0x50; // an alignment byte: the models leave it as it is

    std::unique_ptr<DocumentFixture> f;
    std::unique_ptr<ImageBytesDialog> dlg;

    QString Cell(int offset) const {
        return dlg->Grid()->model()->index(offset / 16, offset % 16).data().toString();
    }
    void GoTo(int offset) {
        dlg->Grid()->setFocus();
        dlg->Grid()->setCurrentIndex(dlg->Grid()->model()->index(offset / 16, offset % 16));
    }

private slots:
    void init() {
        f = std::make_unique<DocumentFixture>();
        f->doc.Image()[kAt] = 0x5A;
        f->doc.Trailer() = {1, 2, 3, 4, 5, 6, 7, 8};
        f->doc.SetModified(false);
        dlg = std::make_unique<ImageBytesDialog>(f->doc);
        QVERIFY(gui_test::ShowActive(dlg.get()));
    }
    void cleanup() {
        dlg.reset();
        f.reset();
    }

    void tableShowsTheTrailerButEditsOnlyTheImage() {
        const QAbstractItemModel* m = dlg->Grid()->model();
        QCOMPARE(m->rowCount(), 257);
        QCOMPARE(Cell(4096), QString("01"));
        QCOMPARE(Cell(4103), QString("08"));
        QCOMPARE(Cell(4104), QString()); // the rest of the last row stays empty
        // The trailer is shown only: Enter there starts no edit.
        GoTo(4097);
        QTest::keyClick(dlg->Grid(), Qt::Key_Return);
        QVERIFY(!dlg->Editing());
        QVERIFY(dlg->isVisible());
    }

    // Enter opens an edit with the text selected; leaving the editor commits into the dialog's copy, and
    // Enter on OK applies the copy: the first mask byte's bits show in the decoded channels.
    void okAppliesTheEditedBytes() {
        const int offset = static_cast<int>(kChannelMaskOffset);
        QCOMPARE(Cell(offset), QString("00")); // MR 1..8 in use
        const std::uint8_t before = f->doc.Image()[kChannelMaskOffset];
        GoTo(offset);
        QTest::keyClick(dlg->Grid(), Qt::Key_Return);
        QVERIFY(dlg->Editing());
        QVERIFY(dlg->Editor()->hasSelectedText());
        QTest::keyClicks(dlg->Editor(), "ff");
        dlg->OkButton()->setFocus();
        QVERIFY(!dlg->Editing());
        QCOMPARE(Cell(offset), QString("ff"));
        QCOMPARE(f->doc.Image()[kChannelMaskOffset], before); // the document waits for OK
        QTest::keyClick(dlg->OkButton(), Qt::Key_Return);
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(f->doc.Image()[kChannelMaskOffset], 0xFF);
        QCOMPARE(f->Entry(0).Masked, 1);
        QCOMPARE(f->Entry(7).Masked, 1);
    }

    // Escape cancels from the table, after Return committed a byte without closing the dialog, and from the
    // editor, which first commits the cell's old text; a typed digit starts the edit. (The close box is
    // Qt's own reject.)
    void cancellingDropsTheBytes_data() {
        QTest::addColumn<bool>("escapeInEditor");
        QTest::newRow("Escape on the table") << false;
        QTest::newRow("Escape in the editor") << true;
    }
    void cancellingDropsTheBytes() {
        QFETCH(bool, escapeInEditor);
        const CloneImage before = f->doc.Image();
        GoTo(kAt);
        QTest::keyClicks(dlg->Grid(), "1");
        if (escapeInEditor) {
            QTest::keyClick(dlg->Editor(), Qt::Key_Escape);
        } else {
            QTest::keyClick(dlg->Editor(), Qt::Key_Return);
            QCOMPARE(Cell(kAt), QString("01"));
            QTest::keyClick(dlg->Grid(), Qt::Key_Escape);
        }
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QVERIFY(f->doc.Image() == before);
        if (escapeInEditor) QCOMPARE(Cell(kAt), QString("5a")); // committed unchanged
    }
};

} // namespace zt46

ZT46_GUI_TEST(ImageBytesDialogTest)
#include "ImageBytesDialogTest.moc"
