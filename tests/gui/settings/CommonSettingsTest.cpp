// The "Common" sheet driven with keys: pages start when first shown and only shown pages store, a
// repeated choice changes nothing, the typed temperature offset commits on Return (a clamp says why in
// the prompt bar), on leaving and on OK, and Cancel. The pages' rules are core rules (CommonPagesTest).

#include "gui/GuiTestSupport.h"
#include "gui/settings/DisplaySoundPage.h"
#include "gui/settings/KeysMiscPage.h"
#include "gui/settings/SettingsCommands.h"
#include "gui/settings/TransmitReceivePage.h"

namespace zt46 {

using gui_test::ClickTab;
using gui_test::ShowActive;

namespace {

constexpr int kLockStatusCombo = 4741;
constexpr int kSqlLevelCombo = 4721;

// The sheet over the factory image, shown and active (keys then reach it).
struct Sheet : test::DocFixture {
    const CloneImage before = doc.Image();
    std::unique_ptr<PromptBarSheet> sheet;
    DisplaySoundPage* page1;
    TransmitReceivePage* page2;
    KeysMiscPage* page3;
    Sheet()
        : DocFixture(FactoryImage()), sheet(MakeCommonSheet(doc, nullptr)),
          page1(dynamic_cast<DisplaySoundPage*>(sheet->Page(0))),
          page2(dynamic_cast<TransmitReceivePage*>(sheet->Page(1))),
          page3(dynamic_cast<KeysMiscPage*>(sheet->Page(2))) {
        ShowActive(sheet.get());
    }
};

} // namespace

class CommonSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void onlyShownPagesLoadAndStore() {
        Sheet s;
        QVERIFY(s.page1->PageModel().Started());
        QVERIFY(!s.page2->PageModel().Started());
        QCOMPARE(QApplication::focusWidget(), s.page1->Form()->Controls().front());

        ClickTab(s.sheet.get(), 2);
        QTest::keyClick(s.page3->Combo(kLockStatusCombo), Qt::Key_Down);

        s.sheet->accept();                           // what the OK button calls
        QCOMPARE(s.doc.Image()[114], s.before[114]); // page 2 never shown: its byte as it was
        QCOMPARE(s.doc.Image()[112] & 0x08, 0x08);   // lock status on
        QVERIFY(!s.page2->PageModel().Started());
    }

    void selectingTheSameItemAgainChangesNothing() {
        Sheet s;
        ClickTab(s.sheet.get(), 1);
        EnterComboBox* sql = s.page2->Combo(kSqlLevelCombo);
        gui_test::PickWithKeys(sql, sql->currentIndex());
        QVERIFY(s.sheet->isVisible()); // Return in a list never closes the sheet
        s.sheet->accept();
        QVERIFY(s.doc.Image() == s.before);
    }

    // The offset field reached with Alt+O; how the typed text is committed, what it then shows, what the
    // prompt bar says, and the byte stored on OK.
    void temperatureOffsetCommits_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("commitKey");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("stored");
        QTest::newRow("Return, clamped") << "-20" << int(Qt::Key_Return) << "-12.7"
                                         << "-20 is below the range: -12.7" << 0xFF;
        QTest::newRow("leaving with Tab") << "4.2" << int(Qt::Key_Tab) << "4.2" << QString() << 42;
        QTest::newRow("OK while editing") << "4.2" << 0 << "4.2" << QString() << 42;
    }
    void temperatureOffsetCommits() {
        QFETCH(QString, keys);
        QFETCH(int, commitKey);
        QFETCH(QString, reason);
        QFETCH(int, stored);
        Sheet s;
        ClickTab(s.sheet.get(), 2);
        QTest::keyClick(s.sheet.get(), Qt::Key_O, Qt::AltModifier);
        FilterConfirmEdit* edit = s.page3->OffsetEdit();
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, keys); // the first key starts the edit
        QVERIFY(!edit->Locked());
        if (commitKey) QTest::keyClick(edit, Qt::Key(commitKey));
        QVERIFY(s.sheet->isVisible());
        if (commitKey) QTEST(edit->text(), "shown");
        if (!reason.isEmpty()) QCOMPARE(s.sheet->Bar()->currentMessage(), reason);
        s.sheet->accept();
        QCOMPARE(int(s.doc.Image()[118]), stored);
    }

    void escapeInTheOffsetPutsTheOldValueBackAndCancelStoresNothing() {
        Sheet s;
        QTest::keyClick(s.page1->Combo(4700), Qt::Key_Down);
        ClickTab(s.sheet.get(), 1);
        QTest::keyClick(s.page2->Combo(kSqlLevelCombo), Qt::Key_Down);
        ClickTab(s.sheet.get(), 2);
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
        QVERIFY(s.doc.Image() == s.before);
        QVERIFY(!s.doc.ImageModified());
    }
};

} // namespace zt46

ZT46_GUI_TEST(CommonSettingsTest)
#include "CommonSettingsTest.moc"
