// The System Parameters dialog driven with keys: rows and masks, the dual-watch rule, OK only from its
// button, Cancel dropping every change, and the transmit re-fit when TX expansion goes off.

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/document/FactoryImage.h"
#include "core/editor/VfoSettings.h"
#include "core/image/CloneImage.h"
#include "gui/GuiTestSupport.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/settings/SettingsForm.h"
#include "gui/settings/SystemSettingsDialog.h"

namespace zt46 {

using gui_test::PickWithKeys;
using gui_test::ShowActive;
using test::DocFixture;

namespace {

CloneImage WithSystemBytes(int weatherBand, int modeByte, int emergency) {
    CloneImage image = FactoryImage();
    image[7] = static_cast<std::uint8_t>((image[7] & ~0x04) | (weatherBand ? 0x04 : 0));
    image[44] = static_cast<std::uint8_t>((modeByte & 0xB8) | (emergency ? 0x04 : 0) | (image[44] & 0x43));
    return image;
}

// A split channel and a split VFO A at 110 MHz transmitting on 140 MHz, with the weather band (so
// that TX Expansion is live) and both expansions on.
CloneImage ExpandedImage() {
    CloneImage image = FactoryImage();
    image[7] |= 0x02 | 0x04; // RX expansion, weather band
    image[47] |= 0x01;       // TX expansion
    const std::uint8_t rec[14] = {0x08, 0x49, 36, 36, 36, 36, 36, 36, 36, 36, 0x44, 0xC0, 0x57, 0x80};
    std::copy(std::begin(rec), std::end(rec), &image[ChannelRecordOffset(0)]);
    std::copy(std::begin(rec), std::end(rec), &image[kVfoAOffset]);
    return image;
}

QPushButton* Button(SystemSettingsDialog& dlg, QDialogButtonBox::StandardButton which) {
    return dlg.Buttons()->button(which);
}

} // namespace

class SystemSettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowPrivilegeAndMasks_data() {
        QTest::addColumn<bool>("privileged");
        QTest::addColumn<int>("weatherBand");
        QTest::addColumn<int>("modeByte");
        QTest::addColumn<int>("emergency");
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<int>("modeItems");
        QTest::addRow("normal user") << false << 0 << 0x80 << 0 << 0x03Fu << 3;
        QTest::addRow("normal user in emergency") << false << 0 << 0x20 << 1 << 0x02Fu << 3;
        QTest::addRow("privileged, no weather band") << true << 0 << 0x10 << 0 << 0x0BFu << 3;
        QTest::addRow("privileged, weather band") << true << 1 << 0x80 << 0 << 0x1BFu << 4;
        QTest::addRow("privileged, in WX") << true << 1 << 0x08 << 0 << 0x1AFu << 4;
    }
    void rowsFollowPrivilegeAndMasks() {
        QFETCH(bool, privileged);
        QFETCH(int, weatherBand);
        QFETCH(int, modeByte);
        QFETCH(int, emergency);
        QFETCH(unsigned, mask);
        QFETCH(int, modeItems);
        DocFixture f(WithSystemBytes(weatherBand, modeByte, emergency));
        SystemSettingsDialog dlg(f.doc, privileged);
        QVERIFY(ShowActive(&dlg));
        for (int row = 0; row < kSystemRowCount; ++row) {
            EnterComboBox* combo = dlg.Combo(row);
            QLabel* label = dlg.Form()->LabelOf(combo);
            QCOMPARE(combo->isVisible(), row < 6 || privileged);
            QCOMPARE(label->isVisible(), combo->isVisible());
            QCOMPARE(combo->isEnabled(), bool((mask >> row) & 1u));
            QCOMPARE(label->isEnabled(), combo->isEnabled());
            QCOMPARE(label->buddy(), combo);
        }
        QCOMPARE(dlg.Combo(kRowCurrentMode)->count(), modeItems);
        QCOMPARE(dlg.Combo(kRowCurrentMode)->itemText(2), QStringLiteral("Book MR"));
        if (mask == 0x02Fu || mask == 0x1AFu) QCOMPARE(dlg.Combo(kRowDualWatch)->currentText(), "Off");
    }

    void keysChangeRowsAndOnlyTheOkButtonCloses() {
        DocFixture f(FactoryImage());
        SystemSettingsDialog dlg(f.doc, false);
        QVERIFY(ShowActive(&dlg));
        QCOMPARE(QApplication::focusWidget(), dlg.Combo(kRowVfoSelect));
        QCOMPARE(dlg.Bar()->PromptText(), QStringLiteral("Select VFO A/B (VFO A/VFO B)"));

        // Alt+E reaches Emergency Mode through its label; Down picks "Emergency".
        QTest::keyClick(&dlg, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dlg.Combo(kRowEmergencyMode));
        QCOMPARE(dlg.Bar()->HintText(), QStringLiteral("<SELECT>"));
        QTest::keyClick(dlg.Combo(kRowEmergencyMode), Qt::Key_Down);
        QVERIFY(!dlg.Combo(kRowDualWatch)->isEnabled());
        QCOMPARE(dlg.Combo(kRowDualWatch)->currentText(), QStringLiteral("Off"));
        // Emergency off again: Dual Watch is live again but stays Off.
        QTest::keyClick(dlg.Combo(kRowEmergencyMode), Qt::Key_Up);
        QVERIFY(dlg.Combo(kRowDualWatch)->isEnabled());
        QTest::keyClick(&dlg, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dlg.Combo(kRowDualWatch));
        QTest::keyClick(dlg.Combo(kRowDualWatch), Qt::Key_Down);
        PickWithKeys(dlg.Combo(kRowToneControl), 4); // "User"

        // Return in a list opens it and never closes the dialog.
        QTest::keyClick(dlg.Combo(kRowAnlStatus), Qt::Key_Return);
        QVERIFY(dlg.Combo(kRowAnlStatus)->view()->isVisible());
        QTest::keyClick(dlg.Combo(kRowAnlStatus)->view(), Qt::Key_Escape);
        QVERIFY(dlg.isVisible());

        Button(dlg, QDialogButtonBox::Ok)->setFocus();
        QTest::keyClick(Button(dlg, QDialogButtonBox::Ok), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(f.doc.ImageModified());
        QCOMPARE(f.doc.Image()[45] & 0x40, 0x40); // dual watch on
        QCOMPARE(f.doc.Image()[45] & 0x07, 4);    // pitch control "User"
        QCOMPARE(f.doc.Image()[44] & 0x04, 0);    // emergency off
    }

    void selectingTheSameItemAgainCounts() {
        DocFixture f(FactoryImage());
        SystemSettingsDialog dlg(f.doc, false);
        QVERIFY(ShowActive(&dlg));
        const CloneImage before = f.doc.Image();
        PickWithKeys(dlg.Combo(kRowAnlStatus), dlg.Combo(kRowAnlStatus)->currentIndex());
        QVERIFY(dlg.isVisible());
        QTest::mouseClick(Button(dlg, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(f.doc.ImageModified());
        QVERIFY(f.doc.Image() == before);
    }

    void cancelLeavesTheImageAndReloadsTheSettings() {
        DocFixture f(ExpandedImage());
        const CloneImage before = f.doc.Image();
        const SystemSettings settingsBefore = f.doc.System();
        SystemSettingsDialog dlg(f.doc, true);
        QVERIFY(ShowActive(&dlg));
        for (int row : {kRowVfoSelect, kRowCurrentMode, kRowAnlStatus, kRowToneControl, kRowTxExpansion833})
            QTest::keyClick(dlg.Combo(row), Qt::Key_Down);
        QTest::keyClick(dlg.Combo(kRowTxExpansion), Qt::Key_Up);
        QCOMPARE(f.doc.System().TxExpansion, 0); // the dialog works on the live settings
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(f.doc.Image() == before);
        QCOMPARE(f.doc.System().TxExpansion, settingsBefore.TxExpansion);
        QCOMPARE(f.doc.System().ToneControl, settingsBefore.ToneControl);
        QCOMPARE(f.doc.Channels().Entry(0).TxHz, 140000000);
    }

    void txExpansionOffRefitsTransmitFrequencies_data() {
        QTest::addColumn<QList<int>>("keys"); // Up/Down presses in the TX Expansion list
        QTest::addColumn<int>("expectedTx");
        QTest::addRow("switched off") << QList<int>{Qt::Key_Up} << 136975000;
        QTest::addRow("off, on, off") << QList<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Up} << 136975000;
        QTest::addRow("off and on again") << QList<int>{Qt::Key_Up, Qt::Key_Down} << 140000000;
        QTest::addRow("untouched") << QList<int>{} << 140000000;
    }
    void txExpansionOffRefitsTransmitFrequencies() {
        QFETCH(QList<int>, keys);
        QFETCH(int, expectedTx);
        DocFixture f(ExpandedImage());
        QCOMPARE(f.doc.Channels().Entry(0).TxHz, 140000000);
        SystemSettingsDialog dlg(f.doc, true);
        QVERIFY(ShowActive(&dlg));
        QTest::keyClick(&dlg, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dlg.Combo(kRowTxExpansion));
        for (int key : keys)
            QTest::keyClick(dlg.Combo(kRowTxExpansion), Qt::Key(key));
        QTest::mouseClick(Button(dlg, QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(f.doc.Channels().Entry(0).TxHz, expectedTx);
        VfoSettings vfo = VfoSettings::A();
        vfo.Load(f.doc.Image(), f.doc.Bands());
        QCOMPARE(vfo.Entry().TxHz, expectedTx);
    }
};

} // namespace zt46

ZT46_GUI_TEST(SystemSettingsDialogTest)
#include "SystemSettingsDialogTest.moc"
