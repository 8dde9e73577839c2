// The System Parameters dialog driven with keys: rows and labels follow the model's masks, the rows'
// dependencies, OK only from its button. (Cancel: SettingsMenuTest.)

#include "gui/settings/SystemSettingsDialog.h"
#include "gui/GuiTestSupport.h"
#include "gui/settings/SettingsForm.h"

namespace zt46 {

using gui_test::PickWithKeys;
using gui_test::ShowActive;
using test::DocFixture;

namespace {

QPushButton* Button(SystemSettingsDialog& dlg, QDialogButtonBox::StandardButton which) {
    return dlg.Buttons()->button(which);
}

} // namespace

class SystemSettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Which rows show and which are live are core rules (SystemParamsTest); here, that the rows and their
    // labels follow them: a normal user in emergency mode.
    void rowsFollowPrivilegeAndMasks() {
        CloneImage image = FactoryImage();
        image[44] = static_cast<std::uint8_t>(0x20 | 0x04 | (image[44] & 0x43)); // emergency on
        DocFixture f(image);
        SystemSettingsDialog dlg(f.doc, false);
        QVERIFY(ShowActive(&dlg));
        for (int row = 0; row < kSystemRowCount; ++row) {
            EnterComboBox* combo = dlg.Combo(row);
            QLabel* label = dlg.Form()->LabelOf(combo);
            QCOMPARE(combo->isVisible(), row < 6);
            QCOMPARE(label->isVisible(), combo->isVisible());
            QCOMPARE(combo->isEnabled(), bool((0x02Fu >> row) & 1u));
            QCOMPARE(label->isEnabled(), combo->isEnabled());
        }
    }

    void keysChangeRowsAndOnlyTheOkButtonCloses() {
        DocFixture f(FactoryImage());
        SystemSettingsDialog dlg(f.doc, false);
        QVERIFY(ShowActive(&dlg));

        // Emergency on and off again: Dual Watch is locked meanwhile, then live again.
        QTest::keyClick(dlg.Combo(kRowEmergencyMode), Qt::Key_Down);
        QVERIFY(!dlg.Combo(kRowDualWatch)->isEnabled());
        QTest::keyClick(dlg.Combo(kRowEmergencyMode), Qt::Key_Up);
        QVERIFY(dlg.Combo(kRowDualWatch)->isEnabled());
        QTest::keyClick(dlg.Combo(kRowDualWatch), Qt::Key_Down);
        PickWithKeys(dlg.Combo(kRowToneControl), 4); // "User"

        Button(dlg, QDialogButtonBox::Ok)->setFocus();
        QTest::keyClick(Button(dlg, QDialogButtonBox::Ok), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(f.doc.Image()[45] & 0x40, 0x40); // dual watch on
        QCOMPARE(f.doc.Image()[45] & 0x07, 4);    // pitch control "User"
        QCOMPARE(f.doc.Image()[44] & 0x04, 0);    // emergency off
    }

    void selectingTheSameItemAgainChangesNothing() {
        DocFixture f(FactoryImage());
        SystemSettingsDialog dlg(f.doc, false);
        QVERIFY(ShowActive(&dlg));
        const CloneImage before = f.doc.Image();
        PickWithKeys(dlg.Combo(kRowAnlStatus), dlg.Combo(kRowAnlStatus)->currentIndex());
        QVERIFY(dlg.isVisible());
        QTest::mouseClick(Button(dlg, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(f.doc.Image() == before);
    }
};

} // namespace zt46

ZT46_GUI_TEST(SystemSettingsDialogTest)
#include "SystemSettingsDialogTest.moc"
