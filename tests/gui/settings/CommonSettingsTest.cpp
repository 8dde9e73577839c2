// The "Common" sheet driven with keys: pages start when first shown and only shown pages store, a
// repeated choice changes nothing, the typed temperature offset commits on Return (a clamp says why in
// the prompt bar), on leaving and on OK, and Cancel.

#include "gui/GuiTestSupport.h"
#include "gui/settings/DisplaySoundPage.h"
#include "gui/settings/KeysMiscPage.h"
#include "gui/settings/SettingsCommands.h"
#include "gui/settings/TransmitReceivePage.h"

namespace zt46 {

using gui_test::PickWithKeys;
using gui_test::ShowActive;
using test::DocFixture;

namespace {

constexpr int kLockStatusCombo = 4741;
constexpr int kSqlLevelCombo = 4721;

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
        DocFixture f(FactoryImage());
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        QVERIFY(s.page1->PageModel().Started());
        QVERIFY(!s.page2->PageModel().Started());
        QCOMPARE(QApplication::focusWidget(), s.page1->Form()->Controls().front());

        s.ShowPage(2);
        QTest::keyClick(s.page3->Combo(kLockStatusCombo), Qt::Key_Down);

        s.sheet->accept();                         // what the OK button calls
        QCOMPARE(f.doc.Image()[114], before[114]); // page 2 never shown: its byte as it was
        QCOMPARE(f.doc.Image()[112] & 0x08, 0x08); // lock status on
        QVERIFY(!s.page2->PageModel().Started());
    }

    void selectingTheSameItemAgainChangesNothing() {
        DocFixture f(FactoryImage());
        const CloneImage before = f.doc.Image();
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        s.ShowPage(1);
        EnterComboBox* sql = s.page2->Combo(kSqlLevelCombo);
        PickWithKeys(sql, sql->currentIndex());
        QVERIFY(s.sheet->isVisible()); // Return in a list never closes the sheet
        s.sheet->accept();
        QVERIFY(f.doc.Image() == before);
    }

    void temperatureOffsetCommitsOnReturn() {
        DocFixture f(FactoryImage());
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        s.ShowPage(2);
        QTest::keyClick(s.sheet.get(), Qt::Key_O, Qt::AltModifier);
        FilterConfirmEdit* edit = s.page3->OffsetEdit();
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, "-20"); // the first key starts the edit
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(s.sheet->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("-12.7"));
        QCOMPARE(s.sheet->Bar()->currentMessage(), QStringLiteral("-20 is below the range: -12.7"));
        QVERIFY(edit->Locked());
        s.sheet->accept();
        QCOMPARE(int(f.doc.Image()[118]), 0xFF);
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
        }
    }

    void escapeInTheOffsetPutsTheOldValueBackAndCancelStoresNothing() {
        DocFixture f(FactoryImage());
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
