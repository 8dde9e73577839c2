// The "VFO" sheet driven with keys: the controls follow the record as it is edited, the frequency
// commits reach the VFO rules, and OK and Cancel over both records.

#include "core/editor/VfoSettings.h"
#include "gui/GuiTestSupport.h"
#include "gui/settings/SettingsCommands.h"
#include "gui/settings/SettingsForm.h"
#include "gui/settings/VfoPage.h"

namespace zt46 {

using gui_test::PickWithKeys;
using gui_test::ShowActive;
using test::DocFixture;

namespace {

// RX expansion on (the FM band is reachable), TX expansion off.
CloneImage RxExpandedImage() {
    CloneImage image = FactoryImage();
    image[7] |= 0x02;
    image[47] &= ~0x01;
    return image;
}

void SetVfo(Document& doc, VfoSettings vfo, const char* rx, int split = 0) {
    vfo.Load(doc.Image(), doc.Bands());
    vfo.SetRxText(rx, doc.Bands());
    vfo.Entry().Split = split;
    vfo.Store(doc.Image(), doc.Bands());
}

ChannelEntry StoredVfo(const Document& doc, VfoSettings vfo) {
    vfo.Load(doc.Image(), doc.Bands());
    return vfo.Entry();
}

struct Sheet {
    std::unique_ptr<PromptBarSheet> sheet;
    VfoPage* a;
    VfoPage* b;
    explicit Sheet(Document& doc)
        : sheet(MakeVfoSheet(doc, nullptr)), a(dynamic_cast<VfoPage*>(sheet->Page(0))),
          b(dynamic_cast<VfoPage*>(sheet->Page(1))) {}
};

// Types a frequency into a field and commits it with Return.
void TypeFrequency(FilterConfirmEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class VfoSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void keysEditTheAmVfoUntilItTurnsFm() {
        DocFixture f(RxExpandedImage());
        SetVfo(f.doc, VfoSettings::A(), "110");
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        VfoPage* page = s.a;

        // The sheet opens on the receive frequency; Tab skips what is not live, then OK and Cancel.
        QCOMPARE(QApplication::focusWidget(), page->RxEdit());
        QWidget* ok = s.sheet->findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Ok);
        for (QWidget* next :
             std::initializer_list<QWidget*>{page->Combo(VfoCombo::Split), page->Combo(VfoCombo::AmStep),
                                             page->Combo(VfoCombo::ClockShift), ok}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        QTest::keyClick(s.sheet.get(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), page->Combo(VfoCombo::Split));
        QVERIFY(!page->Form()->LabelOf(page->TxEdit())->isEnabled());
        QTest::keyClick(page->Combo(VfoCombo::Split), Qt::Key_Down);
        QVERIFY(page->TxEdit()->isEnabled() && page->Form()->LabelOf(page->TxEdit())->isEnabled());

        // Return commits the transmit frequency, clamped to the transmit band, and leaves the sheet open.
        QTest::keyClick(s.sheet.get(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), page->TxEdit());
        TypeFrequency(page->TxEdit(), "140");
        QVERIFY(s.sheet->isVisible());
        QCOMPARE(page->TxEdit()->text(), QStringLiteral("136.975"));

        // 8.33 kHz picked from the list: the receive frequency moves onto the finer raster.
        PickWithKeys(page->Combo(VfoCombo::AmStep), 0);
        QCOMPARE(page->RxEdit()->text(), QStringLiteral("110.005"));

        // A receive frequency in the FM band makes an FM VFO (the record's rules are VfoPageTest's).
        TypeFrequency(page->RxEdit(), "150");
        QCOMPARE(page->Combo(VfoCombo::Mode)->currentText(), QStringLiteral("FM"));
        QVERIFY(!page->Combo(VfoCombo::Split)->isEnabled());
        QVERIFY(!page->TxEdit()->isEnabled());

        s.sheet->accept();
        QCOMPARE(StoredVfo(f.doc, VfoSettings::A()).RxHz, 150000000);
    }

    // OK stores both records (Cancel over a sheet: CommonSettingsTest, VfoPageTest).
    void okStoresBothPages() {
        DocFixture f(RxExpandedImage());
        SetVfo(f.doc, VfoSettings::B(), "121.5");
        Sheet s(f.doc);
        QVERIFY(ShowActive(s.sheet.get()));
        QVERIFY(!s.b->PageModel().Started());
        TypeFrequency(s.a->RxEdit(), "119.1");
        gui_test::ClickTab(s.sheet.get(), 1);
        QCOMPARE(s.b->RxEdit()->text(), QStringLiteral("121.500"));
        TypeFrequency(s.b->RxEdit(), "130");
        s.sheet->accept();
        QCOMPARE(StoredVfo(f.doc, VfoSettings::A()).RxHz, 119100000);
        QCOMPARE(StoredVfo(f.doc, VfoSettings::B()).RxHz, 130000000);
    }
};

} // namespace zt46

ZT46_GUI_TEST(VfoSettingsTest)
#include "VfoSettingsTest.moc"
