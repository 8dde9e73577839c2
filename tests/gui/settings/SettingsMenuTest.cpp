// The Common menu of the running program: each command opens its dialog over the document, and what
// the dialog does shows in the image bytes and, for System, in the grid.

#include "core/editor/VfoSettings.h"
#include "gui/GuiTestSupport.h"
#include "gui/settings/SystemSettingsDialog.h"
#include "gui/settings/VfoPage.h"

namespace zt46 {

class SettingsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<gui_test::AppFixture> app;

    Document& Doc() { return app->Doc(); }
    MainWindow* Frame() { return app->Frame(); }

    void Start(bool privileged) { QVERIFY(app->Start(privileged ? QStringList{"/m"} : QStringList{})); }
    // The command, enabled, with `fn` run on the dialog it opens.
    template <typename Dialog> void RunCommand(int id, std::function<void(Dialog*)> fn) {
        QVERIFY(Frame()->Action(id)->isEnabled());
        QVERIFY(gui_test::RunModal<Dialog>([this, id] { app->Trigger(id); }, fn));
    }
    // MR 1's transmit frequency as the grid shows it.
    QString Transmit() { return app->Cell(0, kColTransmit); }

private slots:
    void init() { app = std::make_unique<gui_test::AppFixture>(); }
    void cleanup() { app.reset(); }

    // TX expansion switched off: OK re-fits the transmit frequencies and the grid shows it; Escape leaves
    // the image and reads the settings (which the dialog changed as it went) back from it.
    void systemRefitsTransmitFrequenciesOnlyOnOk_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("transmit");
        QTest::newRow("OK") << true << "136.975";
        QTest::newRow("Escape") << false << "140.000";
    }
    void systemRefitsTransmitFrequenciesOnlyOnOk() {
        QFETCH(bool, ok);
        QFETCH(QString, transmit);
        Start(true);
        Doc().Image() = test::SplitExpandedImage();
        Doc().ImageToModels();
        Frame()->View()->RefreshGrid();
        const CloneImage before = app->Image();
        QCOMPARE(Transmit(), QString("140.000"));

        RunCommand<SystemSettingsDialog>(cmd::kSystem, [this, ok](SystemSettingsDialog* dlg) {
            QTest::keyClick(dlg, Qt::Key_X, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // "Disable"
            QCOMPARE(Doc().System().TxExpansion, 0);
            if (ok) return QTest::mouseClick(dlg->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
        QCOMPARE(Transmit(), transmit);
        QCOMPARE(Doc().ImageModified(), ok);
        QCOMPARE(Doc().Channels().Entry(0).TxHz, ok ? 136975000 : 140000000);
        QCOMPARE(Doc().System().TxExpansion, ok ? 0 : 1);
        if (!ok) QVERIFY(Doc().Image() == before);
    }

    // The VFO sheet from the menu stores both records, each page its own; only a shown page starts.
    void vfoSheetStoresBothRecords() {
        Start(false);
        RunCommand<PromptBarSheet>(cmd::kVfo, [](PromptBarSheet* sheet) {
            auto* a = dynamic_cast<VfoPage*>(sheet->Page(0));
            auto* b = dynamic_cast<VfoPage*>(sheet->Page(1));
            QVERIFY(!b->PageModel().Started());
            gui_test::TypeAndReturn(a->RxEdit(), "119.1");
            gui_test::ClickTab(sheet, 1);
            gui_test::TypeAndReturn(b->RxEdit(), "130");
            QTest::mouseClick(
                sheet->findChild<QDialogButtonBox*>("sheetButtons")->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
        });
        for (auto [vfo, hz] :
             {std::pair{VfoSettings::A(), 119100000}, std::pair{VfoSettings::B(), 130000000}}) {
            vfo.Load(Doc().Image(), Doc().Bands());
            QCOMPARE(vfo.Entry().RxHz, hz);
        }
        QVERIFY(Doc().ImageModified());
    }
};

} // namespace zt46

ZT46_GUI_TEST(SettingsMenuTest)
#include "SettingsMenuTest.moc"
