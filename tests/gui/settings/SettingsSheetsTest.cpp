// The "Common" and "VFO" sheets driven with keys. Common: the typed temperature offset commits on Return
// (a clamp says why in the prompt bar), on leaving and on OK, and Cancel. VFO: the controls follow the
// record as it is edited and the frequency commits reach the VFO rules. The pages' rules are core rules
// (CommonPagesTest, VfoPageTest); that only a shown page starts, SettingsMenuTest.

#include "core/editor/VfoSettings.h"
#include "gui/GuiTestSupport.h"
#include "gui/settings/DisplaySoundPage.h"
#include "gui/settings/KeysMiscPage.h"
#include "gui/settings/SettingsCommands.h"
#include "gui/settings/TransmitReceivePage.h"
#include "gui/settings/VfoPage.h"

namespace zt46 {

using gui_test::ClickTab;
using gui_test::ShowActive;
using gui_test::TypeAndReturn;

namespace {

constexpr int kLockStatusCombo = 4741;
constexpr int kSqlLevelCombo = 4721;

// The Common sheet over the factory image, shown and active (keys then reach it).
struct Sheet : test::DocFixture {
    const CloneImage before = doc.Image();
    std::unique_ptr<PromptBarSheet> sheet;
    KeysMiscPage* page3;
    Sheet()
        : DocFixture(FactoryImage()), sheet(MakeCommonSheet(doc, nullptr)),
          page3(dynamic_cast<KeysMiscPage*>(sheet->Page(2))) {
        ShowActive(sheet.get());
    }
};

} // namespace

class SettingsSheetsTest : public QObject {
    Q_OBJECT

private slots:
    // The offset field reached with Alt+O; how the typed text is committed, what it then shows, what the
    // prompt bar says, and the byte stored on OK. Escape puts the old value back and leaves the sheet open.
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
        QTest::newRow("Escape") << "7" << int(Qt::Key_Escape) << QString() << QString() << -1; // as it was
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
        const QString old = edit->text();
        QTest::keyClicks(edit, keys); // the first key starts the edit
        QVERIFY(!edit->Locked());
        if (commitKey) QTest::keyClick(edit, Qt::Key(commitKey));
        QVERIFY(s.sheet->isVisible());
        QFETCH(QString, shown);
        if (commitKey) QCOMPARE(edit->text(), shown.isEmpty() ? old : shown);
        if (!reason.isEmpty()) QCOMPARE(s.sheet->Bar()->currentMessage(), reason);
        s.sheet->accept();
        QCOMPARE(int(s.doc.Image()[118]), stored < 0 ? int(s.before[118]) : stored);
    }

    // Cancel drops what every page took, a committed offset too.
    void cancelStoresNothing() {
        Sheet s;
        QTest::keyClick(dynamic_cast<DisplaySoundPage*>(s.sheet->Page(0))->Combo(4700), Qt::Key_Down);
        ClickTab(s.sheet.get(), 1);
        QTest::keyClick(dynamic_cast<TransmitReceivePage*>(s.sheet->Page(1))->Combo(kSqlLevelCombo),
                        Qt::Key_Down);
        ClickTab(s.sheet.get(), 2);
        TypeAndReturn(s.page3->OffsetEdit(), "9");
        QTest::keyClick(s.page3->Combo(kLockStatusCombo), Qt::Key_Escape);
        QCOMPARE(s.sheet->result(), int(QDialog::Rejected));
        QVERIFY(s.doc.Image() == s.before);
        QVERIFY(!s.doc.ImageModified());
    }

    void vfoKeysEditTheAmVfoUntilItTurnsFm() {
        // RX expansion on (the FM band is reachable), TX expansion off; VFO A on 110 MHz, AM.
        CloneImage image = FactoryImage();
        image[7] |= 0x02;
        image[47] &= ~0x01;
        test::DocFixture f(image);
        VfoSettings vfo = VfoSettings::A();
        vfo.Load(f.doc.Image(), f.doc.Bands());
        vfo.SetRxText("110", f.doc.Bands());
        vfo.Store(f.doc.Image(), f.doc.Bands());
        const std::unique_ptr<PromptBarSheet> sheet(MakeVfoSheet(f.doc, nullptr));
        QVERIFY(ShowActive(sheet.get()));
        auto* page = dynamic_cast<VfoPage*>(sheet->Page(0));

        // Split on: the transmit frequency and its label come alive.
        QVERIFY(!page->Form()->LabelOf(page->TxEdit())->isEnabled());
        QTest::keyClick(page->Combo(VfoCombo::Split), Qt::Key_Down);
        QVERIFY(page->TxEdit()->isEnabled() && page->Form()->LabelOf(page->TxEdit())->isEnabled());

        // Return commits the transmit frequency, clamped to the transmit band, and leaves the sheet open.
        TypeAndReturn(page->TxEdit(), "140");
        QVERIFY(sheet->isVisible());
        QCOMPARE(page->TxEdit()->text(), QStringLiteral("136.975"));

        // A receive frequency in the FM band makes an FM VFO.
        TypeAndReturn(page->RxEdit(), "150");
        QCOMPARE(page->Combo(VfoCombo::Mode)->currentText(), QStringLiteral("FM"));
        QVERIFY(!page->Combo(VfoCombo::Split)->isEnabled());
        QVERIFY(!page->TxEdit()->isEnabled());

        sheet->accept();
        vfo.Load(f.doc.Image(), f.doc.Bands());
        QCOMPARE(vfo.Entry().RxHz, 150000000);
    }
};

} // namespace zt46

ZT46_GUI_TEST(SettingsSheetsTest)
#include "SettingsSheetsTest.moc"
