// Upload, Download and the port from the desktop program, through its real actions, against zt46-radio
// on a pseudo-terminal.
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <csignal>

#include "core/document/RadioWrite.h"
#include "core/editor/CellEdit.h"
#include "core/util/Messages.h"
#include "gui/GuiTestSupport.h"
#include "gui/app/CommandIds.h"
#include "gui/document/CompareDialog.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableModel.h"
#include "gui/link/PortConfigurationDialog.h"
#include "gui/link/PortHolder.h"
#include "gui/link/TransferController.h"
#include "gui/link/TransferProgressDialog.h"
#include "support/RadioProcess.h"

namespace zt46 {
namespace {

using Ids = std::vector<int>;
using test::RadioProcess;

// The desktop program in a fresh working folder whose ZT46Win.ini names the radio's device, with an eye
// on the progress gauge of each run (and a hand on its Cancel).
struct Desktop : gui_test::AppFixture {
    explicit Desktop(const std::string& device, int portType = 0) {
        SetIni("Initialize/PORT_TYPE", portType);
        SetIni("Initialize/COM_PORT", 1);
        SetIni("Initialize/PORT_DEVICE", QString::fromStdString(device));
        Start({}, Privilege::Normal);
        QObject::connect(
            Frame()->Transfers(), &TransferController::RunStarted, [this](TransferProgressDialog* gauge) {
                QProgressBar* bar = gauge->Progress();
                QObject::connect(bar, &QProgressBar::valueChanged,
                                 [this, bar](int) { range = bar->maximum(); });
                QObject::connect(gauge, &QWidget::windowTitleChanged,
                                 [this](const QString& t) { title = t; });
                if (cancelAfterMs < 0) return;
                if (cancelWithEscape) {
                    QTimer::singleShot(cancelAfterMs, gauge,
                                       [gauge] { QTest::keyClick(gauge, Qt::Key_Escape); });
                } else {
                    QTimer::singleShot(cancelAfterMs, gauge->CancelButton(), &QPushButton::click);
                }
            });
    }
    QString Cell(int row, int column) const {
        const ChannelTableModel* model = Frame()->View()->Model();
        return model->data(model->index(row, column)).toString();
    }
    QStringList GridTexts() const {
        QStringList cells;
        for (int r = 0; r < Frame()->View()->Model()->rowCount(); ++r)
            for (int c = 0; c < kGridColumnCount; ++c)
                cells << Cell(r, c);
        return cells;
    }

    int cancelAfterMs = -1;
    bool cancelWithEscape = false;
    int range = 0;
    QString title;
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

QByteArray Bytes(const CloneImage& image, std::size_t from = 0, std::size_t to = kImageSize) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + from, static_cast<qsizetype>(to - from));
}

// The document's image given the radio's serial number, so that a download asks nothing.
void TakeSerialOf(Document& doc, const CloneImage& radio) {
    std::copy_n(radio.begin() + kSerialNumberOffset, 4, doc.Image().begin() + kSerialNumberOffset);
    doc.ModelsToImage();
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
        QVERIFY(desktop.Frame()->Action(command)->isEnabled());

        desktop.Trigger(command);

        QCOMPARE(desktop.prompts.ids, Ids{IDS_UPLOAD_COMPLETED});
        QCOMPARE(desktop.range, 32);
        QCOMPARE(desktop.title, QString("Upload Function"));
        QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
        QCOMPARE(desktop.Cell(0, kColTag), QString("TOWER   "));
        QCOMPARE(desktop.Cell(0, kColReceive), QString("118.700"));
        QCOMPARE(desktop.Cell(1, kColTag), QString("GROUND  "));
        QVERIFY(desktop.Frame()->windowTitle().startsWith("<none>"));
        // The cable's port stays open for the next run; the interface unit's goes with the run.
        SerialPort* held = desktop.app->Ports().Port();
        QCOMPARE(held != nullptr && held->IsOpen(), portType == 0);
    }

    void declinedOverwriteKeepsTheEditedData() {
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().Change("Scan of MR 1", desktop.Doc().CurrentPlace(),
                             [&] { desktop.Doc().Channels().Entry(0).Scan = 1; });
        desktop.Doc().ModelsToImage();
        const QByteArray image = Bytes(desktop.Doc().Image());
        const std::string name = desktop.Doc().CurrentFileName();
        const QString title = desktop.Frame()->windowTitle();
        desktop.prompts.answers = {Answer::No};

        desktop.Trigger(cmd::kUpload);

        // The data, the modified flag, the undo history and the file name all stay.
        QCOMPARE(desktop.prompts.ids, Ids{IDS_OVERWRITE_DATA});
        QCOMPARE(Bytes(desktop.Doc().Image()), image);
        QVERIFY(desktop.Doc().ImageModified());
        QCOMPARE(desktop.Frame()->Action(cmd::kUndo)->text(), QString("&Undo Scan of MR 1"));
        QCOMPARE(desktop.Doc().CurrentFileName(), name);
        QCOMPARE(desktop.Frame()->windowTitle(), title);
    }

    void silentRadioLeavesTheDocument() {
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast", "--silent-after", "5"}, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().ModelsToImage();
        const QByteArray image = Bytes(desktop.Doc().Image());
        const std::string name = desktop.Doc().CurrentFileName();
        const QStringList grid = desktop.GridTexts();
        QSignalSpy finished(desktop.Frame()->Transfers(), &TransferController::RunFinished);

        desktop.Trigger(cmd::kUpload);

        QCOMPARE(desktop.prompts.ids, Ids{IDS_TIMEOUT});
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(1).toBool(), true); // a failed run still ends the gauge with OK
        QCOMPARE(Bytes(desktop.Doc().Image()), image);
        QCOMPARE(desktop.Doc().CurrentFileName(), name);
        QCOMPARE(desktop.GridTexts(), grid);
    }

    void cancelDuringHandshake_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelDuringHandshake() {
        QFETCH(bool, escape);
        RadioProcess radio({"--fast", "--off"});
        Desktop desktop(radio.Device());
        desktop.cancelWithEscape = escape;
        desktop.Doc().ModelsToImage();
        const QByteArray image = Bytes(desktop.Doc().Image());
        const std::string name = desktop.Doc().CurrentFileName();
        desktop.cancelAfterMs = 400; // the radio is off: the run waits in the handshake
        QSignalSpy finished(desktop.Frame()->Transfers(), &TransferController::RunFinished);

        desktop.Trigger(cmd::kUpload);

        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(1).toBool(), false); // ended with Cancel
        QVERIFY(desktop.Frame()->Transfers()->LastResult().cancelled);
        QCOMPARE(desktop.prompts.ids, Ids{});
        QCOMPARE(Bytes(desktop.Doc().Image()), image);
        QCOMPARE(desktop.Doc().CurrentFileName(), name);
        // The port is held again and usable: a second upload, radio switched on, goes through.
        radio.Signal(SIGUSR2);
        desktop.cancelAfterMs = -1;
        desktop.Trigger(cmd::kUpload);
        QCOMPARE(desktop.prompts.ids, Ids{IDS_UPLOAD_COMPLETED});
    }

    void downloadKeepsABackupAndTakesOnlyTheFirmwareVersion() {
        const CloneImage before = test::PatternImage(7);
        RadioProcess radio({"--fast"}, &before);
        Desktop desktop(radio.Device());
        TakeSerialOf(desktop.Doc(), before);
        const CloneImage user = desktop.Doc().Image();

        desktop.Trigger(cmd::kDownloadButton);

        QCOMPARE(desktop.prompts.ids, Ids{IDS_DOWNLOAD_COMPLETED});
        QCOMPARE(desktop.range, 96);
        QCOMPARE(desktop.title, QString("Download Function"));
        // The radio got the user's channels; the document takes the radio's firmware version, nothing else.
        const CloneImage after = radio.StopAndReadMemory();
        QCOMPARE(Bytes(after, 112, 3792), Bytes(user, 112, 3792));
        QCOMPARE(Bytes(desktop.Doc().Image(), 0, 2), Bytes(before, 0, 2));
        QCOMPARE(Bytes(desktop.Doc().Image(), 2), Bytes(user, 2));
        // What the radio held before the write, named in the status bar.
        const QStringList files = QDir(desktop.Path("backups")).entryList({"*.t46"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(test::ReadImage(desktop.Path("backups/" + files.first()).toStdString()) == before);
        QVERIFY(desktop.Frame()->statusBar()->currentMessage().contains(files.first()));
    }

    // The question as the real message box asks it, from the run's thread.
    void downloadAsksWhoseIdentityTheRadioGets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("fileIdentity");
        QTest::newRow("keep the radio's") << QString(kKeepRadioIdentity) << true << false;
        QTest::newRow("write the file's") << QString(kWriteFileIdentity) << true << true;
        QTest::newRow("cancel") << QString("Cancel") << false << false;
    }
    void downloadAsksWhoseIdentityTheRadioGets() {
        QFETCH(QString, button);
        QFETCH(bool, written);
        QFETCH(bool, fileIdentity);
        const CloneImage memory = test::PatternImage(61);
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().ModelsToImage();
        const CloneImage user = desktop.Doc().Image();
        desktop.app->Prompts().SetScript({});
        QStringList buttons;
        QString defaultButton, completion;
        gui_test::WhenModal<QMessageBox>(
            [&](QMessageBox* box) {
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text();
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

        desktop.Trigger(cmd::kDownload);

        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", kKeepRadioIdentity, kWriteFileIdentity}));
        QCOMPARE(defaultButton, QString(kKeepRadioIdentity));
        QCOMPARE(completion, written ? QString("Download is completed\n") + kVerifiedText : QString());
        const CloneImage after = radio.StopAndReadMemory();
        if (!written) {
            QVERIFY(after == memory);
            QVERIFY(!QDir(desktop.Path("backups")).exists());
            return;
        }
        const CloneImage& identity = fileIdentity ? user : memory;
        QCOMPARE(Bytes(after, kIdentityOffset, kIdentityEnd), Bytes(identity, kIdentityOffset, kIdentityEnd));
        QCOMPARE(Bytes(after, 112, 3792), Bytes(user, 112, 3792));
    }

    void aByteStoredWronglyIsReportedWithTheBackup() {
        const CloneImage memory = test::PatternImage(62);
        RadioProcess radio({"--fast", "--store-wrong", "3000"}, &memory);
        Desktop desktop(radio.Device());
        TakeSerialOf(desktop.Doc(), memory);

        desktop.Trigger(cmd::kDownload);

        QCOMPARE(desktop.prompts.ids, Ids{IDS_VERIFY_FAILED});
        const QStringList files = QDir(desktop.Path("backups")).entryList({"*.t46"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        const QString text = QString::fromStdString(desktop.prompts.texts[0]);
        QVERIFY2(text.contains("byte 3000: channel Book MR 44") && text.contains(files.first()),
                 qPrintable(text));
        QVERIFY(desktop.Frame()->statusBar()->currentMessage().contains(files.first()));
    }

    void compareWithTheRadioLeavesTheDocumentAlone() {
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        desktop.Doc().SetModified(true);
        desktop.Doc().ModelsToImage();
        const QByteArray image = Bytes(desktop.Doc().Image());
        QString heading, lines, summary;
        gui_test::WhenModal<CompareDialog>([&](CompareDialog* dialog) {
            dialog->RadioButton()->click(); // the gauge runs meanwhile
            heading = dialog->Heading()->text();
            lines = dialog->Lines()->toPlainText();
            summary = dialog->Summary()->text();
            dialog->reject();
        });

        desktop.Trigger(cmd::kCompare);

        QCOMPARE(heading, QString::fromUtf8("The document → the radio"));
        QVERIFY2(lines.startsWith(
                     QString::fromUtf8("MR 1 / TAG: (blank) → TOWER\nMR 1 / Receive: 118.000 → 118.700\n"
                                       "MR 2 / TAG: (blank) → GROUND")),
                 qPrintable(lines));
        QCOMPARE(summary, QString("3 differences."));
        QCOMPARE(desktop.prompts.ids, Ids{}); // no question, no message
        QCOMPARE(Bytes(desktop.Doc().Image()), image);
        QVERIFY(desktop.Doc().ImageModified());
        QVERIFY(radio.StopAndReadMemory() == memory);
    }

    void portAtStartUpAndAfterConfiguration() {
        RadioProcess radio({"--fast"});
        const QString device = QString::fromStdString(radio.Device());
        {
            // A device that is not there: message 80 at start-up, and the program runs on.
            Desktop missing("/dev/zt46-no-such-device");
            QCOMPARE(missing.startIds, Ids{IDS_COMM_PORT_ERROR});
            QVERIFY(missing.Frame()->isVisible());
            QVERIFY(missing.app->Ports().Port() == nullptr || !missing.app->Ports().Port()->IsOpen());
        }
        Desktop desktop(radio.Device());
        PortHolder& ports = desktop.app->Ports();
        QVERIFY(ports.Port() && ports.Port()->IsOpen());
        QCOMPARE(QString::fromStdString(desktop.app->State().Port().DisplayName()), device);
        // To the interface unit: the held port goes at once; back to the cable: opened at once.
        ports.Configure(PortKind::InterfaceUnit, PortSettings{4, device.toStdString()});
        QVERIFY(ports.Port() == nullptr);
        ports.Configure(PortKind::Cable, PortSettings{4, device.toStdString()});
        QVERIFY(ports.Port() && ports.Port()->IsOpen());
        ports.Configure(PortKind::Cable, PortSettings{3, {}});
        QCOMPARE(QString::fromStdString(desktop.app->State().Port().DisplayName()), QString("COM3"));
        // File > Configure: the radio's device typed into the port box; OK opens it and the header names it.
        bool verifyShown = false;
        gui_test::WhenModal<PortConfigurationDialog>([&](PortConfigurationDialog* dialog) {
            verifyShown = dialog->VerifyBox()->isChecked(); // on unless turned off
            dialog->PortBox()->setEditText(device);
            dialog->VerifyBox()->setChecked(false);
            dialog->OkButton()->click();
        });
        desktop.Trigger(cmd::kConfigure);
        QVERIFY(verifyShown);
        QVERIFY(!desktop.Frame()->Transfers()->VerifyAfterWriting());
        QVERIFY(ports.Port() && ports.Port()->IsOpen());
        QCOMPARE(desktop.Frame()->View()->HeaderField(2), device);
        // The choice is written to ZT46Win.ini when the window goes.
        ports.Configure(PortKind::Cable, PortSettings{2, device.toStdString()});
        QVERIFY(desktop.Frame()->close());
        QCOMPARE(desktop.Ini("Initialize/COM_PORT").toInt(), 2);
        QCOMPARE(desktop.Ini("Initialize/PORT_DEVICE").toString(), device);
        QCOMPARE(desktop.Ini("Initialize/VERIFY").toInt(), 0);
    }

    void alignmentEntryHandsThePortToTheWindow() {
        const CloneImage memory = EditedRadioMemory();
        RadioProcess radio({"--fast"}, &memory);
        Desktop desktop(radio.Device());
        const std::string name = desktop.Doc().CurrentFileName();

        QVERIFY(desktop.Frame()->Transfers()->EnterAlignment());

        QCOMPARE(desktop.range, 32);
        QCOMPARE(desktop.title, QString("Upload Function"));
        QCOMPARE(desktop.prompts.ids, Ids{}); // no question and no completion message
        QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
        QCOMPARE(desktop.Doc().CurrentFileName(), name);
        // The radio is written to in alignment mode: what it held is kept first.
        QCOMPARE(QDir(desktop.Path("backups")).entryList({"*.t46"}, QDir::Files).size(), 1);
        // The port is open and answers on the window's thread (the alignment dialog goes on with it).
        SerialPort* port = desktop.app->Ports().Port();
        QVERIFY(port && port->IsOpen());
        QCOMPARE(port->SendByte(0x36), LinkResult::Ok); // leave alignment mode
        desktop.Frame()->Transfers()->EndAlignment();
    }
};

} // namespace zt46

ZT46_GUI_TEST(DesktopTransferTest)
#include "DesktopTransferTest.moc"
