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

    void Open() {
        dlg = std::make_unique<ImageBytesDialog>(f->doc);
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    }
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
    }
    void cleanup() {
        dlg.reset();
        f.reset();
    }

    void tableShowsImageAndTrailerInLowerCaseHex() {
        Open();
        const QAbstractItemModel* m = dlg->Grid()->model();
        QCOMPARE(m->rowCount(), 257);
        QCOMPARE(m->headerData(256, Qt::Vertical).toString(), QString("01000h"));
        QCOMPARE(Cell(kAt), QString("5a"));
        QCOMPARE(Cell(4096), QString("01"));
        QCOMPARE(Cell(4103), QString("08"));
        QCOMPARE(Cell(4104), QString()); // the rest of the last row stays empty
        // The trailer is shown only: Enter there starts no edit.
        GoTo(4097);
        QTest::keyClick(dlg->Grid(), Qt::Key_Return);
        QVERIFY(!dlg->Editing());
        QVERIFY(dlg->isVisible());
    }

    // Typed digits go into the dialog's copy, committed by Return in the editor or by leaving it; Enter
    // never closes the dialog; OK, clicked or pressed with Enter, applies the copy.
    void typedBytesGoIntoTheCopyAndOkAppliesThem_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("okByKey");
        QTest::newRow("one digit, Enter on OK") << "7" << "07" << true;
        QTest::newRow("two digits, upper case, OK clicked") << "B3" << "b3" << false;
    }
    void typedBytesGoIntoTheCopyAndOkAppliesThem() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(bool, okByKey);
        Open();
        GoTo(kAt);
        QTest::keyClicks(dlg->Grid(), keys.left(1));
        QVERIFY(dlg->Editing());
        QTest::keyClicks(dlg->Editor(), keys.mid(1));
        if (okByKey) {
            dlg->OkButton()->setFocus(); // leaving the editor commits
        } else {
            QTest::keyClick(dlg->Editor(), Qt::Key_Return);
        }
        QVERIFY(!dlg->Editing());
        QCOMPARE(Cell(kAt), shown);
        QCOMPARE(f->doc.Image()[kAt], 0x5A); // the document waits for OK
        QVERIFY(dlg->isVisible());
        if (okByKey) {
            QTest::keyClick(dlg->OkButton(), Qt::Key_Return);
        } else {
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        }
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(f->doc.Image()[kAt], shown.toUInt(nullptr, 16));
    }

    void okShowsInTheDecodedChannels() {
        Open();
        // The first mask byte: MR 1..8 in use when the dialog opened.
        const int offset = static_cast<int>(kChannelMaskOffset);
        QCOMPARE(Cell(offset), QString("00"));
        GoTo(offset);
        QTest::keyClick(dlg->Grid(), Qt::Key_Return); // Enter starts an edit with the text selected
        QVERIFY(dlg->Editing());
        QVERIFY(dlg->Editor()->hasSelectedText());
        QTest::keyClicks(dlg->Editor(), "ff");
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton); // leaving the editor commits first
        QCOMPARE(f->doc.Image()[kChannelMaskOffset], 0xFF);
        QCOMPARE(f->Entry(0).Masked, 1);
        QCOMPARE(f->Entry(7).Masked, 1);
    }

    void cancellingDropsTheBytes_data() {
        QTest::addColumn<bool>("escapeInEditor");
        QTest::newRow("Escape on the table") << false;
        QTest::newRow("Escape in the editor") << true;
        QTest::newRow("close box") << false;
    }
    void cancellingDropsTheBytes() {
        QFETCH(bool, escapeInEditor);
        const bool closeBox = QByteArray(QTest::currentDataTag()) == "close box";
        Open();
        const CloneImage before = f->doc.Image();
        GoTo(kAt);
        QTest::keyClicks(dlg->Grid(), "1");
        if (escapeInEditor) {
            QTest::keyClick(dlg->Editor(), Qt::Key_Escape);
        } else {
            QTest::keyClick(dlg->Editor(), Qt::Key_Return);
            QCOMPARE(Cell(kAt), QString("01"));
            if (closeBox) {
                dlg->close();
            } else {
                QTest::keyClick(dlg->Grid(), Qt::Key_Escape);
            }
        }
        QVERIFY(!dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QVERIFY(f->doc.Image() == before);
        if (escapeInEditor) QCOMPARE(Cell(kAt), QString("5a")); // committed unchanged
    }

    void doubleClickStartsAnEditOverTheCell() {
        Open();
        const QModelIndex index = dlg->Grid()->model()->index(1, 3);
        const QRect rect = dlg->Grid()->visualRect(index);
        QTest::mouseDClick(dlg->Grid()->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(dlg->Editing());
        QCOMPARE(dlg->Editor()->text(), Cell(19));
    }
};

} // namespace zt46

ZT46_GUI_TEST(ImageBytesDialogTest)
#include "ImageBytesDialogTest.moc"
