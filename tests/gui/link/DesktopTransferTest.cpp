// Upload, Download, Compare and the port (with its Configuration dialog) from the desktop program, through
// its real actions, against zt46-radio on a pseudo-terminal. The runs' bytes and faults are the e2e
// suites'; here, that the desktop reaches them, shows their progress and takes (or leaves) what they read.
#include <QProgressBar>
#include <csignal>

#include "core/document/RadioWrite.h"
#include "core/editor/CellEdit.h"
#include "gui/GuiTestSupport.h"
#include "gui/document/CompareDialog.h"
#include "gui/link/PortConfigurationDialog.h"
#include "gui/link/PortHolder.h"
#include "gui/link/TransferController.h"
#include "gui/link/TransferProgressDialog.h"
#include "support/RadioProcess.h"

namespace zt46 {
namespace {

using Ids = std::vector<int>;
using test::RadioProcess;

QByteArray Bytes(const CloneImage& image, std::size_t from = 0, std::size_t to = kImageSize) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + from, static_cast<qsizetype>(to - from));
}

// The desktop program in a fresh working folder whose ZT46Win.ini names the radio's device, with an eye
// on the progress gauge of each run (and a hand on its Cancel).
struct Desktop : gui_test::AppFixture {
    explicit Desktop(const std::string& device, int portType = 0) {
        SetPort(device, portType);
        Start({}, Privilege::Normal);
        QObject::connect(Frame()->Transfers(), &TransferController::RunStarted,
                         [this](TransferProgressDialog* gauge) {
                             QProgressBar* bar = gauge->Progress();
                             QObject::connect(bar, &QProgressBar::valueChanged,
                                              [this, bar](int) { range = bar->maximum(); });
                             if (cancelAfterMs < 0) return;
                             QTimer::singleShot(cancelAfterMs, gauge, [this, gauge] {
                                 cancelWithEscape ? QTest::keyClick(gauge, Qt::Key_Escape)
                                                  : gauge->CancelButton()->click();
                             });
                         });
    }
    // What a run that takes nothing from the radio leaves as it was: the bytes, the modified flag, the
    // undo history, the file's name, the window's title and every cell of the grid.
    QStringList State() const {
        QStringList state{QString::fromLatin1(Bytes(Image()).toHex()), Doc().ImageModified() ? "*" : "",
                          Frame()->Action(cmd::kUndo)->text(),
                          QString::fromStdString(Doc().CurrentFileName()), Frame()->windowTitle()};
        for (int r = 0; r < Frame()->View()->Model()->rowCount(); ++r)
            for (int c = 0; c < kGridColumnCount; ++c)
                state << Cell(r, c);
        return state;
    }

    int cancelAfterMs = -1;
    bool cancelWithEscape = false;
    int range = 0;
};

// What the radio holds: the built-in image with the first MR channels renamed and retuned, so that the
// grid shows something the document did not have before.
CloneImage EditedRadioMemory() {
    test::DocFixture f;
    f.doc.LoadFactoryImage();
    CellEdit edit(f.doc.Channels(), f.doc.Bands(), f.prompts);
    edit.SetCellText(0, kColTag, "TOWER");
    edit.SetCellText(0, kColReceive, "118.700");
    edit.SetCellText(1, kColTag, "GROUND");
    f.doc.ModelsToImage();
    return f.doc.Image();
}

} // namespace

class DesktopTransferTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { gui_test::DropModalWaits(); }

    void uploadShowsTheRadiosChannels_data() {
        QTest::addColumn<int>("portType");
        QTest::addColumn<int>("command");
        QTest::newRow("cable, menu") << 0 << cmd::kUpload;
        QTest::newRow("interface unit, toolbar") << 1 << cmd::kUploadButton;
    }
    void uploadShowsTheRadiosChannels() {
        QFETCH(int, portType);
        QFETCH(int, command);
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device(), portType);

        desktop.Trigger(command);

        QCOMPARE(desktop.prompts.ids, Ids{IDS_UPLOAD_COMPLETED});
        QVERIFY(desktop.range > 0); // the gauge ran
        QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
        QCOMPARE(desktop.Cell(0, kColTag), QString("TOWER   ")); // the grid shows the radio's channels
        QVERIFY(desktop.Frame()->windowTitle().startsWith("<none>"));
        // The cable's port stays open for the next run; the interface unit's goes with the run.
        SerialPort* held = desktop.app->Ports().Port();
        QCOMPARE(held != nullptr && held->IsOpen(), portType == 0);
    }

    // A declined overwrite and a failed run end the gauge with OK, a cancel during the handshake (the radio
    // is off) with Cancel; each leaves the edited document whole. After a cancel the port is held again
    // and usable: a second upload, radio switched on, goes through.
    void aRunThatTakesNothingLeavesTheDocument_data() {
        QTest::addColumn<std::vector<std::string>>("radioArgs");
        QTest::addColumn<int>("cancel"); // 0: none, 1: the Cancel button, 2: Esc
        QTest::addColumn<int>("message");
        using Args = std::vector<std::string>;
        QTest::newRow("overwrite declined") << Args{"--fast"} << 0 << IDS_OVERWRITE_DATA;
        QTest::newRow("radio falls silent") << Args{"--fast", "--silent-after", "5"} << 0 << IDS_TIMEOUT;
        QTest::newRow("Cancel button") << Args{"--fast", "--off"} << 1 << 0;
        QTest::newRow("Esc") << Args{"--fast", "--off"} << 2 << 0;
    }
    void aRunThatTakesNothingLeavesTheDocument() {
        QFETCH(std::vector<std::string>, radioArgs);
        QFETCH(int, cancel);
        QFETCH(int, message);
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio(radioArgs, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().Change("Scan of MR 1", desktop.Doc().CurrentPlace(),
                             [&] { desktop.Doc().Channels().Entry(0).Scan = 1; });
        const QStringList before = desktop.State();
        desktop.prompts.answers = {Answer::No};
        desktop.cancelAfterMs = cancel ? 400 : -1;
        desktop.cancelWithEscape = cancel == 2;
        QSignalSpy finished(desktop.Frame()->Transfers(), &TransferController::RunFinished);

        desktop.Trigger(cmd::kUpload);

        QCOMPARE(desktop.prompts.ids, message ? Ids{message} : Ids{});
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(1).toBool(), !cancel); // ended with OK, or with Cancel
        QCOMPARE(desktop.Frame()->Transfers()->LastResult().cancelled, cancel != 0);
        QCOMPARE(desktop.State(), before);
        if (!cancel) return;
        radio.Signal(SIGUSR2);
        desktop.cancelAfterMs = -1;
        desktop.prompts.answers.clear(); // Yes to the overwrite
        desktop.Trigger(cmd::kUpload);
        QCOMPARE(desktop.prompts.ids, (Ids{IDS_OVERWRITE_DATA, IDS_UPLOAD_COMPLETED}));
    }

    // The question whose identity the radio gets, as the real message box asks it from the run's thread:
    // each button reaches its answer and Enter keeps the radio's. A written radio got the user's channels,
    // what it held is kept and named in the status bar, and the document takes the radio's firmware
    // version, nothing else.
    void downloadAsksWhoseIdentityTheRadioGets_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("fileIdentity");
        QTest::newRow("keep the radio's, toolbar")
            << cmd::kDownloadButton << QString(kKeepRadioIdentity) << true << false;
        QTest::newRow("write the file's") << cmd::kDownload << QString(kWriteFileIdentity) << true << true;
        QTest::newRow("cancel") << cmd::kDownload << QString("Cancel") << false << false;
    }
    void downloadAsksWhoseIdentityTheRadioGets() {
        QFETCH(int, command);
        QFETCH(QString, button);
        QFETCH(bool, written);
        QFETCH(bool, fileIdentity);
        const CloneImage memory = test::PatternImage(61);
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        const CloneImage user = desktop.Image();
        desktop.app->Prompts().SetScript({});
        QString defaultButton, completion;
        gui_test::WhenModal<QMessageBox>(
            [&](QMessageBox* box) {
                defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == button) b->click();
            },
            [](QMessageBox* box) { return box->text().startsWith("This file was read from radio"); });
        if (written) {
            gui_test::WhenModal<QMessageBox>(
                [&](QMessageBox* box) {
                    completion = box->text();
                    box->button(QMessageBox::Ok)->click();
                },
                [](QMessageBox* box) { return box->text().startsWith("Download is completed"); });
        }

        desktop.Trigger(command);

        QCOMPARE(defaultButton, QString(kKeepRadioIdentity));
        QCOMPARE(completion, written ? QString("Download is completed\n") + kVerifiedText : QString());
        const CloneImage after = radio.StopAndReadMemory();
        QCOMPARE(Bytes(desktop.Doc().Image(), 0, 2), Bytes(memory, 0, 2)); // the radio was read
        QCOMPARE(Bytes(desktop.Doc().Image(), 2), Bytes(user, 2));
        const QStringList backups = QDir(desktop.Path("backups")).entryList({"*.t46"}, QDir::Files);
        if (!written) {
            QVERIFY(after == memory);
            QVERIFY(backups.isEmpty());
            return;
        }
        const CloneImage& identity = fileIdentity ? user : memory;
        QCOMPARE(Bytes(after, kIdentityOffset, kIdentityEnd), Bytes(identity, kIdentityOffset, kIdentityEnd));
        QCOMPARE(backups.size(), 1); // the merge and the backup's bytes: CloneDownload (e2e)
        QVERIFY(desktop.Frame()->statusBar()->currentMessage().contains(backups.first()));
    }

    void compareWithTheRadioLeavesTheDocumentAlone() {
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().SetModified(true);
        const QStringList before = desktop.State();
        QString summary;
        gui_test::WhenModal<CompareDialog>([&](CompareDialog* dialog) {
            dialog->RadioButton()->click(); // the gauge runs meanwhile
            summary = dialog->Summary()->text();
            dialog->reject();
        });

        desktop.Trigger(cmd::kCompare);

        QCOMPARE(summary, QString("3 differences.")); // MR 1's tag and frequency, MR 2's tag
        QCOMPARE(desktop.prompts.ids, Ids{});         // no question, no message
        QCOMPARE(desktop.State(), before);
        QVERIFY(radio.StopAndReadMemory() == memory);
    }

    void portAtStartUpAndAfterConfiguration() {
        RadioProcess radio({"--fast"});
        const QString device = QString::fromStdString(radio.Device());
        {
            // A device that is not there: message 80 at start-up (its text is PortProblemText's); the
            // program runs on.
            Desktop missing("/dev/zt46-no-such-device");
            QCOMPARE(missing.startPrompts.size(), std::size_t{1});
            QCOMPARE(missing.startPrompts[0].id, IDS_COMM_PORT_ERROR);
            QVERIFY(missing.Frame()->isVisible());
            QVERIFY(missing.app->Ports().Port() == nullptr || !missing.app->Ports().Port()->IsOpen());
        }
        Desktop desktop(radio.Device());
        PortHolder& ports = desktop.app->Ports();
        QVERIFY(ports.Port() && ports.Port()->IsOpen());
        // To the interface unit on COM 4: the held port goes at once.
        ports.Configure(PortKind::InterfaceUnit, PortSettings{4, {}});
        QVERIFY(ports.Port() == nullptr);
        // File > Configure opens on that choice, verifying on unless turned off. Back to the cable with the
        // radio's device typed into the port box (Return there does not close); OK opens it and the header
        // names it.
        bool opensOnTheChoice = false, staysOnReturn = false;
        gui_test::WhenModal<PortConfigurationDialog>([&](PortConfigurationDialog* dialog) {
            opensOnTheChoice = dialog->InterfaceBox()->isChecked() && dialog->VerifyBox()->isChecked() &&
                               dialog->PortBox()->currentText() == "COM 4";
            dialog->InterfaceBox()->click();
            dialog->PortBox()->setFocus();
            dialog->PortBox()->setEditText(device);
            QTest::keyClick(dialog->PortBox()->lineEdit(), Qt::Key_Return);
            staysOnReturn = dialog->isVisible();
            dialog->VerifyBox()->setChecked(false);
            dialog->OkButton()->setFocus();
            QTest::keyClick(dialog->OkButton(), Qt::Key_Return);
        });
        desktop.Trigger(cmd::kConfigure);
        QVERIFY(opensOnTheChoice && staysOnReturn);
        QVERIFY(!desktop.Frame()->Transfers()->VerifyAfterWriting());
        QVERIFY(ports.Port() && ports.Port()->IsOpen());
        QCOMPARE(desktop.Frame()->View()->HeaderField(2), device);
        // The choice is written to ZT46Win.ini when the window goes.
        ports.Configure(PortKind::Cable, PortSettings{2, device.toStdString()});
        QVERIFY(desktop.Frame()->close());
        QCOMPARE(
            desktop.Ini(QStringList{"Initialize/COM_PORT", "Initialize/PORT_DEVICE", "Initialize/VERIFY"}),
            QStringList({"2", device, "0"}));
    }
};

} // namespace zt46

ZT46_GUI_TEST(DesktopTransferTest)
#include "DesktopTransferTest.moc"
