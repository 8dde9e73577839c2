// Alignment > Align in privileged mode against zt46-radio: the program as started, the real menu
// command, the "Access Gauge" entry run, the Alignment dialog and the value editor driven by real key
// and mouse events, and the radio's memory read back byte by byte afterwards.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>

#include "GuiTests.h"
#include "RadioProcess.h"
#include "core/document/FactoryImage.h"
#include "gui/alignment/AlignmentDialog.h"
#include "gui/alignment/AlignmentLevelDialog.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/document/ImageBytesDialog.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableView.h"
#include "link/SerialAlignmentRadio.h"

namespace zt46 {

class AlignmentFlowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<test::RadioProcess> radio;
    std::unique_ptr<Application> app;
    QList<int> asked;
    std::deque<Answer> answers;
    bool dialogSeen = false;
    QList<QPointer<QTimer>> polls; // a dialog that never came leaves its poll behind

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
        {
            QSettings ini(dir->filePath("ZT46Win.ini"), QSettings::IniFormat);
            ini.setValue("Initialize/PORT_TYPE", 1); // the port is open only during the run
            ini.setValue("Initialize/PORT_DEVICE", QString::fromStdString(radio->Device()));
        }
        app = std::make_unique<Application>(dir->path(), dir->path());
        app->SetPasswordCheck([](Privilege request) { return request; });
        app->Prompts().SetScript([this](const Prompt& p) {
            asked << p.id;
            if (answers.empty()) return p.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
        QVERIFY(app->Start({"/m"}));
        QVERIFY(QTest::qWaitForWindowActive(app->Frame()));
    }

    // Alignment > Align from the menu bar.
    QAction* AlignAction() {
        for (QAction* menu : app->Frame()->menuBar()->actions()) {
            if (menu->text() != "&Alignment" || !menu->menu()) continue;
            for (QAction* item : menu->menu()->actions()) {
                if (item->text() == "&Align") return item;
            }
        }
        return nullptr;
    }

    // Runs `fn` on the modal dialog of type T once it is up and `ready` says so. The command blocks in
    // its dialogs, so the test acts from a timer inside their event loops.
    template <typename T>
    void WhenModal(
        std::function<void(T*)> fn, std::function<bool(T*)> ready = [](T*) { return true; }) {
        auto* poll = new QTimer(this);
        polls << poll;
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [poll, fn, ready] {
            auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dlg || !dlg->isActiveWindow() || !ready(dlg)) return;
            poll->stop();
            poll->deleteLater();
            fn(dlg);
        });
        poll->start();
    }
    // The Alignment dialog once its test channel is selected.
    void WhenAligning(std::function<void(AlignmentDialog*)> fn) {
        WhenModal<AlignmentDialog>(
            [this, fn](AlignmentDialog* dlg) {
                dialogSeen = true;
                fn(dlg);
            },
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
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        asked.clear();
        answers.clear();
        dialogSeen = false;
    }
    void cleanup() {
        for (QTimer* poll : polls)
            delete poll;
        polls.clear();
        if (app && app->Frame()) {
            app->Doc().SetModified(false);
            app->Frame()->close();
        }
        app.reset();
        radio.reset();
    }

    void adjRoundTripThroughTheSliderEditor() {
        Start({});
        QAction* align = AlignAction();
        QVERIFY(align && align->isEnabled());
        bool keyedWhileEditing = false;
        WhenAligning([&](AlignmentDialog* dlg) {
            QCOMPARE(dlg->ChannelList()->count(), 1);
            QCOMPARE(dlg->ChannelField(2820)->text(), QString("AM"));
            QCOMPARE(dlg->ValueText(4), QString("75")); // TX power from image byte 75
            QVERIFY(!dlg->TransmittingLabel()->isVisible());
            // TX power: the editor opens with the transmitter keyed; PageUp drives the level up by 20.
            WhenModal<AlignmentLevelDialog>([&, dlg](AlignmentLevelDialog* editor) {
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
        });
        align->trigger();
        QVERIFY(dialogSeen);
        QVERIFY(keyedWhileEditing);

        Document& doc = app->Doc();
        QCOMPARE(int(doc.Image()[75]), 95);
        QCOMPARE(int(doc.Image()[70]), 99);
        QVERIFY(doc.ImageModified());
        QVERIFY(app->Frame()->windowTitle().startsWith("<none>"));
        QVERIFY(!RadioInAlignment()); // OK took it out of alignment mode
        // The radio holds exactly what it held, with the two values written.
        CloneImage expected = Memory();
        expected[75] = 95;
        expected[70] = 99;
        const CloneImage after = radio->StopAndReadMemory();
        for (std::size_t i = 0; i < after.size(); ++i)
            QVERIFY2(after[i] == expected[i], qPrintable(QString("radio byte %1").arg(i)));
        // The radio as read was kept before anything was written to it.
        const QStringList backups = QDir(dir->filePath("backups")).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        QVERIFY(test::ReadImageFile(dir->filePath("backups/" + backups[0]).toStdString()) == Memory());
    }

    void unsavedEditsAreOverwrittenOnlyWhenTheUserAgrees_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("No") << false;
        QTest::newRow("Yes, then Esc") << true;
    }
    void unsavedEditsAreOverwrittenOnlyWhenTheUserAgrees() {
        QFETCH(bool, overwrite);
        Start({});
        Document& doc = app->Doc();
        doc.Channels().Entry(0).Tag = {'E', 'D', 'I', 'T', 0};
        doc.SetModified(true);
        doc.ModelsToImage();
        const CloneImage edited = doc.Image();
        const QString title = app->Frame()->windowTitle();
        answers = {overwrite ? Answer::Yes : Answer::No};
        WhenAligning([](AlignmentDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });
        AlignAction()->trigger();
        QCOMPARE(asked, QList<int>{100});
        QCOMPARE(dialogSeen, overwrite);
        QVERIFY(!RadioInAlignment()); // No and Esc both take the radio out of alignment mode
        if (overwrite) {
            QVERIFY(doc.Image() == Memory()); // Esc stores nothing
            QVERIFY(!doc.ImageModified());
            QVERIFY(app->Frame()->windowTitle().startsWith("<none>"));
        } else {
            QVERIFY(doc.Image() == edited);
            QVERIFY(doc.ImageModified());
            QCOMPARE(app->Frame()->windowTitle(), title);
        }
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }

    void aRadioThatFallsSilentIsReportedOnceAndLeavesOnlyTheWaysOut() {
        Start({"--align-silent", "31"});
        WhenAligning([&](AlignmentDialog* dlg) {
            QTest::mouseClick(dlg->AdjButton(0), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return asked.contains(96); }, 8000));
            QVERIFY(!dlg->AdjButton(4)->isEnabled());
            QVERIFY(!dlg->ChannelList()->isEnabled());
            QVERIFY(dlg->OkButton()->isEnabled());
            QCOMPARE(dlg->ValueText(0), QString("70")); // the old value stays
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        });
        AlignAction()->trigger();
        QVERIFY(dialogSeen);
        QCOMPARE(asked.count(96), 1);
        QVERIFY(!RadioInAlignment());
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }

    void theCloseBoxWhileALevelIsDrivenLeavesWithoutStoringIt() {
        Start({});
        WhenAligning([&](AlignmentDialog* dlg) {
            WhenModal<AlignmentLevelDialog>([&, dlg](AlignmentLevelDialog* editor) {
                editor->Slider()->setFocus();
                QTest::keyClick(editor->Slider(), Qt::Key_PageUp);
                QVERIFY(QTest::qWaitFor([&] { return editor->Value() == 95 && !editor->Sending(); }, 5000));
                dlg->close(); // the editor goes with it; the level was never accepted with OK
            });
            QTest::mouseClick(dlg->AdjButton(4), Qt::LeftButton);
        });
        AlignAction()->trigger();
        QVERIFY(dialogSeen);
        QVERIFY(asked.isEmpty()); // a clean way out: no lost-link message
        QCOMPARE(int(app->Doc().Image()[75]), 75);
        QVERIFY(!RadioInAlignment());
        QVERIFY(radio->StopAndReadMemory() == Memory());
    }

    void shiftF9OpensFileDataInPrivilegedMode() {
        Start({});
        bool opened = false;
        WhenModal<ImageBytesDialog>([&](ImageBytesDialog* dlg) {
            opened = true;
            QTest::keyClick(dlg->Grid(), Qt::Key_Escape);
        });
        app->Frame()->View()->Grid()->setFocus();
        QTest::keyClick(app->Frame()->View()->Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QVERIFY(opened);
    }
};

} // namespace zt46

ZT46_GUI_TEST(AlignmentFlowTest)
#include "AlignmentFlowTest.moc"
