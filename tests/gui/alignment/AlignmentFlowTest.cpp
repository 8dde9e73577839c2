// Alignment > Align in privileged mode against zt46-radio: the program as started, the real menu
// command, the "Access Gauge" entry run, the Alignment dialog and the value editor driven by real key
// and mouse events, and the radio's memory read back byte by byte afterwards.

#include "core/document/RadioWrite.h"
#include "gui/GuiTestSupport.h"
#include "gui/alignment/AlignmentDialog.h"
#include "gui/alignment/AlignmentLevelDialog.h"
#include "link/SerialAlignmentRadio.h"
#include "support/RadioProcess.h"

namespace zt46 {

class AlignmentFlowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::RadioProcess> radio;
    std::unique_ptr<gui_test::AppFixture> f;

    // The radio's memory: the factory image (MR 1 in use, AM) with its own alignment values.
    static CloneImage Memory() {
        CloneImage image = FactoryImage();
        for (std::size_t i = 70; i <= 93; ++i)
            image[i] = static_cast<std::uint8_t>(i);
        return image;
    }

    void Start(std::vector<std::string> radioArgs) {
        radioArgs.insert(radioArgs.end(), {"--fast", "--sqs", "99"});
        const CloneImage memory = Memory();
        radio = std::make_unique<test::RadioProcess>(radioArgs, &memory);
        f->SetPort(radio->Device(), 1); // the interface unit: the port is open only during the run
        QVERIFY(f->Start({"/m"}));
    }

    // Alignment > Align, `fn` run on the Alignment dialog once its test channel is selected; whether the
    // dialog came.
    bool Align(std::function<void(AlignmentDialog*)> fn) {
        return gui_test::RunModal<AlignmentDialog>(
            [this] { f->Trigger(cmd::kAlign); }, fn,
            [](AlignmentDialog* dlg) { return !dlg->StatusLabel()->isVisible(); });
    }
    // Waits for the dialog's steps to answer.
    static bool Settled(AlignmentDialog* dlg, const QString& slot0) {
        return QTest::qWaitFor([&] { return dlg->ValueText(0) == slot0; }, 5000);
    }

    // Whether the radio still takes alignment commands (the program has closed the port).
    bool RadioInAlignment() {
        SerialPort port(PortSettings{1, radio->Device()});
        if (!port.Reopen()) return false;
        std::array<std::uint8_t, align::kStatusBytes> status{};
        return SerialAlignmentRadio(port).ReadStatus(status) == RadioReply::Accepted;
    }

private slots:
    void init() { f = std::make_unique<gui_test::AppFixture>(); }
    void cleanup() {
        f.reset();
        radio.reset();
    }

    void adjRoundTripThroughTheSliderEditor() {
        Start({});
        bool keyedWhileEditing = false;
        QVERIFY(Align([&](AlignmentDialog* dlg) {
            QCOMPARE(dlg->ChannelField(2820)->text(), QString("AM")); // MR 1, the one channel in use
            QCOMPARE(dlg->ValueText(4), QString("75"));               // TX power from image byte 75
            QVERIFY(!dlg->TransmittingLabel()->isVisible());
            // TX power: the editor opens with the transmitter keyed; PageUp drives the level up by 20.
            gui_test::WhenModal<AlignmentLevelDialog>([&, dlg](AlignmentLevelDialog* editor) {
                keyedWhileEditing =
                    dlg->TransmittingLabel()->isVisible() && editor->TransmittingLabel()->isVisible();
                editor->Slider()->setFocus();
                QTest::keyClick(editor->Slider(), Qt::Key_PageUp);
                QVERIFY(QTest::qWaitFor([&] { return editor->Value() == 95 && !editor->Sending(); }, 5000));
                QTest::mouseClick(editor->OkButton(), Qt::LeftButton);
            });
            QTest::mouseClick(dlg->AdjButton(4), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return dlg->ValueText(4) == "95" && !dlg->ValueEditor(); }, 5000));
            QVERIFY(QTest::qWaitFor([&] { return !dlg->TransmittingLabel()->isVisible(); }, 5000));
            // A measured value too: the radio's squelch reading.
            QTest::mouseClick(dlg->AdjButton(0), Qt::LeftButton);
            QVERIFY(Settled(dlg, "99"));
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        }));
        QVERIFY(keyedWhileEditing);

        Document& doc = f->Doc();
        QCOMPARE(int(doc.Image()[75]), 95);
        QCOMPARE(int(doc.Image()[70]), 99);
        QVERIFY(doc.ImageModified());
        QVERIFY(f->Frame()->windowTitle().startsWith("<none>"));
        QVERIFY(!RadioInAlignment()); // OK took it out of alignment mode
        // It was read back (a byte stored wrongly, and the backup: ReadBack and AlignmentCommands, e2e).
        QCOMPARE(f->prompts.ids, std::vector<int>{IDS_RADIO_VERIFIED});
        // The radio's image started a fresh history; the stored values are its one step.
        QAction* undo = f->Frame()->Action(cmd::kUndo);
        QCOMPARE(undo->text(), QString("&Undo Alignment values"));
        undo->trigger();
        QCOMPARE(int(doc.Image()[75]), int(Memory()[75]));
        QVERIFY(!doc.ImageModified());
        QVERIFY(!undo->isEnabled());
        // The radio holds exactly what it held, with the two values written.
        CloneImage expected = Memory();
        expected[75] = 95;
        expected[70] = 99;
        QVERIFY(radio->StopAndReadMemory() == expected);
    }

    void unsavedEditsAreOverwrittenOnlyWhenTheUserAgrees_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("No") << false;
        QTest::newRow("Yes, then Esc") << true;
    }
    void unsavedEditsAreOverwrittenOnlyWhenTheUserAgrees() {
        QFETCH(bool, overwrite);
        Start({});
        Document& doc = f->Doc();
        doc.Channels().Entry(0).Tag = {'E', 'D', 'I', 'T', 0};
        doc.SetModified(true);
        const CloneImage edited = f->Image();
        const QString title = f->Frame()->windowTitle();
        f->prompts.answers = {overwrite ? Answer::Yes : Answer::No};
        QCOMPARE(Align([](AlignmentDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); }), overwrite);
        QCOMPARE(f->prompts.ids, std::vector<int>{100});
        QVERIFY(!RadioInAlignment()); // No and Esc both take the radio out of alignment mode
        QVERIFY(doc.Image() == (overwrite ? Memory() : edited)); // Esc stores nothing
        QCOMPARE(doc.ImageModified(), !overwrite);
        const QString shown = f->Frame()->windowTitle();
        QVERIFY2(overwrite ? shown.startsWith("<none>") : shown == title, qPrintable(shown));
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }

    void aRadioThatFallsSilentIsReportedOnceAndLeavesOnlyTheWaysOut() {
        Start({"--align-silent", "31"});
        QVERIFY(Align([&](AlignmentDialog* dlg) {
            QTest::mouseClick(dlg->AdjButton(0), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor(
                [&] { return std::count(f->prompts.ids.begin(), f->prompts.ids.end(), 96) > 0; }, 8000));
            QVERIFY(!dlg->AdjButton(4)->isEnabled());
            QVERIFY(!dlg->ChannelList()->isEnabled());
            QVERIFY(dlg->OkButton()->isEnabled());
            QCOMPARE(dlg->ValueText(0), QString("70")); // the old value stays
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        }));
        QCOMPARE(std::count(f->prompts.ids.begin(), f->prompts.ids.end(), 96), 1);
        QVERIFY(!RadioInAlignment());
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }

    void theCloseBoxWhileALevelIsDrivenLeavesWithoutStoringIt() {
        Start({});
        QVERIFY(Align([&](AlignmentDialog* dlg) {
            gui_test::WhenModal<AlignmentLevelDialog>([&, dlg](AlignmentLevelDialog* editor) {
                editor->Slider()->setFocus();
                QTest::keyClick(editor->Slider(), Qt::Key_PageUp);
                QVERIFY(QTest::qWaitFor([&] { return editor->Value() == 95 && !editor->Sending(); }, 5000));
                dlg->close(); // the editor goes with it; the level was never accepted with OK
            });
            QTest::mouseClick(dlg->AdjButton(4), Qt::LeftButton);
        }));
        QVERIFY(f->prompts.ids.empty()); // a clean way out: no lost-link message
        QCOMPARE(int(f->Doc().Image()[75]), 75);
        QVERIFY(!RadioInAlignment());
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }
};

} // namespace zt46

ZT46_GUI_TEST(AlignmentFlowTest)
#include "AlignmentFlowTest.moc"
