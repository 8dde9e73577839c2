// The "Common" sheet driven with keys: pages load when first shown and only shown pages store, the
// weather-band dependencies, the typed temperature offset, values without an item, and Cancel.

#include <QAbstractItemView>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "core/document/FactoryImage.h"
#include "gui/GuiTestSupport.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/controls/FilterConfirmEdit.h"
#include "gui/controls/PromptBarSheet.h"
#include "gui/settings/DisplaySoundPage.h"
#include "gui/settings/KeysMiscPage.h"
#include "gui/settings/SettingsCommands.h"
#include "gui/settings/TransmitReceivePage.h"

namespace zt46 {

using gui_test::PickWithKeys;
using gui_test::ShowActive;
using test::DocFixture;

namespace {

constexpr int kUser1KeyCombo = 4743;
constexpr int kLockStatusCombo = 4741;
constexpr int kSqlLevelCombo = 4721;

CloneImage OddImage() {
    CloneImage image = FactoryImage();
    image[7] |= 0x04;                                                       // weather band
    image[123] = static_cast<std::uint8_t>((image[123] & 0xCF) | 0x20);     // WX display mode 2
    image[116] = static_cast<std::uint8_t>((image[116] & 0x1F) | (4 << 5)); // user key 1 = 4: no item
    return image;
}

struct Sheet {
    std::unique_ptr<PromptBarSheet> sheet;
    DisplaySoundPage* page1;
    TransmitReceivePage* page2;
    KeysMiscPage* page3;
    explicit Sheet(Document& doc)
        : sheet(MakeCommonSheet(doc, nullptr)), page1(dynamic_cast<DisplaySoundPage*>(sheet->Page(0))),
          page2(dynamic_cast<TransmitReceivePage*>(sheet->Page(1))),
          page3(dynamic_cast<KeysMiscPage*>(sheet->Page(2))) {}
    void ShowPage(int index) {
        // A click on the tab, as the user does.
        QTabBar* bar = sheet->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(sheet->ActiveIndex(), index);
    }
};

} // namespace

class CommonSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void onlyShownPagesLoadAndStore() {
        DocFixture f(OddImage());
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QCOMPARE(s.sheet->windowTitle(), QStringLiteral("Common"));
        QCOMPARE(s.sheet->Tabs()->tabText(0), QStringLiteral("Display && Sound"));
        QVERIFY(ShowActive(s.sheet.get()));
        QVERIFY(s.page1->PageModel().Started());
        QVERIFY(!s.page2->PageModel().Started());
        QCOMPARE(QApplication::focusWidget(), s.page1->Form()->Controls().front());
        QCOMPARE(s.page1->Combo(kWxModeComboId)->currentText(), QStringLiteral("ch"));
        QVERIFY(s.page1->Combo(kWxModeComboId)->isEnabled());

        s.ShowPage(2);
        QCOMPARE(s.page3->Combo(kUser1KeyCombo)->currentIndex(), -1); // 4 "ALRT" has no item
        QTest::keyClick(s.page3->Combo(kLockStatusCombo), Qt::Key_Down);

        s.sheet->accept(); // what the OK button calls
        QVERIFY(f.doc.ImageModified());
        QCOMPARE(f.doc.Image()[123] & 0x30, 0);    // page 1 stored the WX mode as "ch"
        QCOMPARE(f.doc.Image()[114], before[114]); // page 2 never shown: its byte as it was
        QCOMPARE(f.doc.Image()[116] >> 5, 4);      // the value without an item survives
        QCOMPARE(f.doc.Image()[112] & 0x08, 0x08); // lock status on
        QVERIFY(!s.page2->PageModel().Started());
    }

    void weatherBandOffGreysItsRowsAndKeepsTheirValues() {
        CloneImage image = FactoryImage();
        image[7] &= ~0x04;
        image[123] = static_cast<std::uint8_t>((image[123] & 0xCF) | 0x10); // WX display "Freq"
        image[116] = static_cast<std::uint8_t>((image[116] & 0xFC) | 0x03); // alert "Beep + LED Flash"
        DocFixture f(image);
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        s.ShowPage(2);
        for (EnterComboBox* combo : {s.page1->Combo(kWxModeComboId), s.page3->Combo(kWeatherAlertComboId)}) {
            QVERIFY(!combo->isEnabled());
        }
        QVERIFY(!s.page1->Form()->LabelOf(s.page1->Combo(kWxModeComboId))->isEnabled());
        QCOMPARE(s.page1->Combo(kWxModeComboId)->currentText(), QStringLiteral("Freq"));
        QCOMPARE(s.page3->Combo(kWeatherAlertComboId)->currentText(), QStringLiteral("Beep + LED Flash"));
        s.sheet->accept();
        QVERIFY(!f.doc.ImageModified());
        QVERIFY(f.doc.Image() == before);
    }

    void selectingTheSameItemAgainMarksTheDocument() {
        DocFixture f(FactoryImage());
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        s.ShowPage(1);
        EnterComboBox* sql = s.page2->Combo(kSqlLevelCombo);
        PickWithKeys(sql, sql->currentIndex());
        QVERIFY(s.sheet->isVisible()); // Return in a list never closes the sheet
        s.sheet->accept();
        QVERIFY(f.doc.ImageModified());
        QVERIFY(f.doc.Image() == before); // nothing else changed: the mark alone
    }

    void temperatureOffsetCommitsOnReturn_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored"); // byte 118, sign-magnitude tenths
        QTest::addRow("rounded") << "3.75"
                                 << "3.8" << 38;
        QTest::addRow("negative") << "-1.2"
                                  << "-1.2" << (0x80 | 12);
        QTest::addRow("below the range") << "-20"
                                         << "-12.7" << 0xFF;
        QTest::addRow("above the range") << "15"
                                         << "12.7" << 127;
        QTest::addRow("letters are refused") << "2a"
                                             << "2.0" << 20;
    }
    void temperatureOffsetCommitsOnReturn() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        DocFixture f(FactoryImage());
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        s.ShowPage(2);
        QTest::keyClick(s.sheet.get(), Qt::Key_O, Qt::AltModifier);
        FilterConfirmEdit* edit = s.page3->OffsetEdit();
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(s.sheet->Bar()->PromptText(),
                 QStringLiteral("Edit Temperature Offset (-12.7 - 12.7 step 0.1)"));
        QTest::keyClicks(edit, typed); // the first key starts the edit
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(s.sheet->isVisible());
        QCOMPARE(edit->text(), shown);
        QVERIFY(edit->Locked());
        QVERIFY(s.page3->PageModel().Changed()); // a Return commit is a change like any other
        s.sheet->accept();
        QVERIFY(f.doc.ImageModified());
        QCOMPARE(int(f.doc.Image()[118]), stored);
    }

    void temperatureOffsetCommitsOnLeavingAndOnOk() {
        for (bool leave : {true, false}) {
            DocFixture f(FactoryImage());
            Sheet s(f.doc);
            QVERIFY(ShowActive(s.sheet.get()));
            s.ShowPage(2);
            FilterConfirmEdit* edit = s.page3->OffsetEdit();
            edit->setFocus();
            QTest::keyClicks(edit, "4.2");
            QVERIFY(!edit->Locked());
            if (leave) {
                QTest::keyClick(edit, Qt::Key_Tab);
                QCOMPARE(edit->text(), QStringLiteral("4.2"));
            }
            s.sheet->accept();
            QCOMPARE(int(f.doc.Image()[118]), 42);
            QVERIFY(f.doc.ImageModified());
        }
    }

    void escapeInTheOffsetPutsTheOldValueBackAndCancelStoresNothing() {
        DocFixture f(OddImage());
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        QTest::keyClick(s.page1->Combo(4700), Qt::Key_Down);
        s.ShowPage(1);
        QTest::keyClick(s.page2->Combo(kSqlLevelCombo), Qt::Key_Down);
        s.ShowPage(2);
        FilterConfirmEdit* edit = s.page3->OffsetEdit();
        const QString old = edit->text();
        edit->setFocus();
        QTest::keyClicks(edit, "7");
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), old);
        QVERIFY(s.sheet->isVisible()); // the edit swallowed that Escape
        QTest::keyClicks(edit, "9");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(s.page3->Combo(kLockStatusCombo), Qt::Key_Escape);
        QCOMPARE(s.sheet->result(), int(QDialog::Rejected));
        QVERIFY(f.doc.Image() == before);
        QVERIFY(!f.doc.ImageModified());
    }
};

} // namespace zt46

ZT46_GUI_TEST(CommonSettingsTest)
#include "CommonSettingsTest.moc"
