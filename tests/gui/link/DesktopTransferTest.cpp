// Upload, Download and the port from the desktop program, through its real actions, against zt46-radio
// on a pseudo-terminal.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <map>
#include <memory>
#include <sys/stat.h>

#include "RadioProcess.h"
#include "TestClasses.h"
#include "core/document/Backup.h"
#include "core/document/Document.h"
#include "core/document/FactoryImage.h"
#include "core/editor/CellEdit.h"
#include "core/util/Messages.h"
#include "gui/app/Application.h"
#include "gui/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableModel.h"
#include "gui/link/PortConfigurationDialog.h"
#include "gui/link/PortHolder.h"
#include "gui/link/TransferController.h"
#include "gui/link/TransferProgressDialog.h"

namespace zt46::test {
namespace {

using Ids = std::vector<int>;

class NoFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskOpenPath() override { return std::nullopt; }
    std::optional<std::string> AskSavePath(const std::string&) override { return std::nullopt; }
};

// The desktop program in a fresh working directory whose ZT46Win.ini names the radio's device.
class Desktop {
public:
    Desktop(const std::string& device, int portType = 0) {
        {
            QSettings ini(QString::fromStdString(dir.File("ZT46Win.ini")), QSettings::IniFormat);
            ini.setValue("Initialize/PORT_TYPE", portType);
            ini.setValue("Initialize/COM_PORT", 1);
            ini.setValue("Initialize/PORT_DEVICE", QString::fromStdString(device));
        }
        const QString folder = QString::fromStdString(dir.Path().string());
        app = std::make_unique<Application>(folder, folder);
        app->SetPasswordCheck([](Privilege) { return Privilege::Normal; });
        app->Prompts().SetScript([this](const Prompt& prompt) {
            ids.push_back(prompt.id);
            texts.push_back(QString::fromStdString(prompt.text));
            const auto it = answers.find(prompt.id);
            if (it != answers.end()) return it->second;
            return prompt.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        });
        app->Start({});
        startIds = ids;
        ids.clear();
        QObject::connect(
            Frame()->Transfers(), &TransferController::RunStarted, [this](TransferProgressDialog* gauge) {
                QProgressBar* bar = gauge->Progress();
                QObject::connect(bar, &QProgressBar::valueChanged,
                                 [this, bar](int) { range = bar->maximum(); });
                QObject::connect(gauge, &QWidget::windowTitleChanged,
                                 [this](const QString& t) { title = t; });
                if (cancelAfterMs >= 0 && cancelWithEscape)
                    QTimer::singleShot(cancelAfterMs, gauge,
                                       [gauge] { QTest::keyClick(gauge, Qt::Key_Escape); });
                else if (cancelAfterMs >= 0)
                    QTimer::singleShot(cancelAfterMs, gauge->CancelButton(), &QPushButton::click);
            });
    }
    MainWindow* Frame() const { return app->Frame(); }
    Document& Doc() const { return app->Doc(); }
    void Trigger(int command) const { Frame()->Action(command)->trigger(); }
    // Every cell of the grid as the view shows it.
    QStringList GridTexts() const {
        QStringList cells;
        const ChannelTableModel* model = Frame()->View()->Model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->data(model->index(r, c)).toString();
        return cells;
    }

    TempDir dir;
    std::unique_ptr<Application> app;
    Ids startIds;
    Ids ids;
    QStringList texts;
    std::map<int, Answer> answers;
    int cancelAfterMs = -1;
    bool cancelWithEscape = false;
    int range = 0;
    QString title;
};

// What the radio holds: the built-in image with the first MR channels renamed and retuned, so that the
// grid shows something the document did not have before.
CloneImage EditedRadioMemory() {
    RecordingPrompts prompts;
    NoFileDialogs dialogs;
    TempDir dir;
    Document doc(prompts, dialogs, Document::Folders{dir.Path().string(), dir.Path().string()});
    doc.LoadFactoryImage();
    CellEdit edit(doc.Channels(), doc.Bands(), prompts);
    const char* tags[] = {"TOWER", "GROUND", "ATIS"};
    const char* freqs[] = {"118.700", "121.900", "127.250"};
    for (int i = 0; i < 3; ++i) {
        edit.SetCellText(i, kColTag, tags[i]);
        edit.SetCellText(i, kColReceive, freqs[i]);
    }
    doc.ModelsToImage();
    return doc.Image();
}

QByteArray Bytes(const CloneImage& image, std::size_t from = 0, std::size_t to = kImageSize) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + from, static_cast<qsizetype>(to - from));
}

} // namespace

void DesktopTransferTest::UploadShowsTheRadiosChannels_data() {
    QTest::addColumn<int>("portType");
    QTest::addColumn<int>("command");
    QTest::newRow("cable, menu") << 0 << cmd::kUpload;
    QTest::newRow("interface unit, toolbar") << 1 << cmd::kUploadButton;
}

void DesktopTransferTest::UploadShowsTheRadiosChannels() {
    QFETCH(int, portType);
    QFETCH(int, command);
    const CloneImage memory = EditedRadioMemory();
    RadioProcess radio({"--fast"}, &memory);
    Desktop desktop(radio.Device(), portType);
    const QStringList before = desktop.GridTexts();
    QVERIFY(desktop.Frame()->Action(command)->isEnabled());

    desktop.Trigger(command);

    QCOMPARE(desktop.ids, Ids{IDS_UPLOAD_COMPLETED});
    QCOMPARE(desktop.range, 32);
    QCOMPARE(desktop.title, QString("Upload Function"));
    QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
    // The grid shows the radio's channels, cell by cell as a fresh decode of its memory gives them.
    RecordingPrompts prompts;
    NoFileDialogs dialogs;
    Document radioDoc(prompts, dialogs, Document::Folders{});
    radioDoc.TakeRadioImage(memory);
    CellEdit cells(radioDoc.Channels(), radioDoc.Bands(), prompts);
    const ChannelTableModel* model = desktop.Frame()->View()->Model();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            QCOMPARE(model->data(model->index(r, c)).toString(),
                     QString::fromStdString(cells.CellText(model->EntryOfRow(r), c)));
    QVERIFY(desktop.GridTexts() != before);
    QCOMPARE(QString::fromStdString(desktop.Doc().CurrentFileName()), QString("<none>"));
    QVERIFY(desktop.Frame()->windowTitle().startsWith("<none>"));
    // The cable's port stays open for the next run; the interface unit's goes with the run.
    SerialPort* held = desktop.app->Ports().Port();
    QCOMPARE(held != nullptr && held->IsOpen(), portType == 0);
}

void DesktopTransferTest::OverwriteQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the edited data") << false;
    QTest::newRow("Yes takes the radio's") << true;
}

void DesktopTransferTest::OverwriteQuestion() {
    QFETCH(bool, yes);
    const CloneImage memory = EditedRadioMemory();
    RadioProcess radio({"--fast"}, &memory);
    Desktop desktop(radio.Device());
    desktop.Doc().SetModified(true);
    desktop.Doc().ModelsToImage();
    const QByteArray image = Bytes(desktop.Doc().Image());
    const std::string name = desktop.Doc().CurrentFileName();
    const QString title = desktop.Frame()->windowTitle();
    desktop.answers[IDS_OVERWRITE_DATA] = yes ? Answer::Yes : Answer::No;

    desktop.Trigger(cmd::kUpload);

    if (yes) {
        QCOMPARE(desktop.ids, (Ids{IDS_OVERWRITE_DATA, IDS_UPLOAD_COMPLETED}));
        QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
        QVERIFY(!desktop.Doc().ImageModified());
        QCOMPARE(desktop.Doc().CurrentFileName(), std::string(kNoFileName));
    } else {
        // Declined: the data, the modified flag and the file name all stay.
        QCOMPARE(desktop.ids, Ids{IDS_OVERWRITE_DATA});
        QCOMPARE(Bytes(desktop.Doc().Image()), image);
        QVERIFY(desktop.Doc().ImageModified());
        QCOMPARE(desktop.Doc().CurrentFileName(), name);
        QCOMPARE(desktop.Frame()->windowTitle(), title);
    }
}

void DesktopTransferTest::SilentRadioLeavesTheDocument() {
    const CloneImage memory = EditedRadioMemory();
    RadioProcess radio({"--fast", "--silent-after", "5"}, &memory);
    Desktop desktop(radio.Device());
    desktop.Doc().ModelsToImage();
    const QByteArray image = Bytes(desktop.Doc().Image());
    const std::string name = desktop.Doc().CurrentFileName();
    const QStringList grid = desktop.GridTexts();
    QSignalSpy finished(desktop.Frame()->Transfers(), &TransferController::RunFinished);

    desktop.Trigger(cmd::kUpload);

    QCOMPARE(desktop.ids, Ids{IDS_TIMEOUT});
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(1).toBool(), true); // a failed run still ends the gauge with OK
    QCOMPARE(Bytes(desktop.Doc().Image()), image);
    QCOMPARE(desktop.Doc().CurrentFileName(), name);
    QCOMPARE(desktop.GridTexts(), grid);
}

void DesktopTransferTest::CancelDuringHandshake_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Esc") << true;
}

void DesktopTransferTest::CancelDuringHandshake() {
    RadioProcess radio({"--fast", "--off"});
    Desktop desktop(radio.Device());
    QFETCH(bool, escape);
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
    QCOMPARE(desktop.ids, Ids{});
    QCOMPARE(Bytes(desktop.Doc().Image()), image);
    QCOMPARE(desktop.Doc().CurrentFileName(), name);
    // The port is held again and usable: a second upload, radio switched on, goes through.
    radio.Signal(SIGUSR2);
    desktop.cancelAfterMs = -1;
    desktop.Trigger(cmd::kUpload);
    QCOMPARE(desktop.ids, Ids{IDS_UPLOAD_COMPLETED});
}

void DesktopTransferTest::DownloadMergesAndKeepsABackup() {
    const CloneImage before = PatternImage(7);
    RadioProcess radio({"--fast"}, &before);
    Desktop desktop(radio.Device());
    desktop.Doc().ModelsToImage();
    const CloneImage user = desktop.Doc().Image();

    desktop.Trigger(cmd::kDownloadButton);

    QCOMPARE(desktop.ids, Ids{IDS_DOWNLOAD_COMPLETED});
    QCOMPARE(desktop.range, 64);
    QCOMPARE(desktop.title, QString("Download Function"));
    const CloneImage after = radio.StopAndReadMemory();
    // The user's settings and channels; the radio keeps its firmware version, its alignment values and
    // the blocks behind the channels; the check value is summed again over the radio's words.
    struct Span {
        std::size_t from, to;
        bool fromUser;
    };
    for (const Span& span : {Span{0, 2, false}, Span{4, 70, true}, Span{70, 112, false},
                             Span{112, 3804, true}, Span{3804, kImageSize, false}}) {
        const CloneImage& source = span.fromUser ? user : before;
        QCOMPARE(Bytes(after, span.from, span.to), Bytes(source, span.from, span.to));
    }
    unsigned sum = 0;
    for (std::size_t i = 94; i < 112; i += 2)
        sum += static_cast<unsigned>(before[i] << 8 | before[i + 1]);
    QCOMPARE(static_cast<unsigned>(after[2] << 8 | after[3]), sum & 0xFFFF);
    // The document takes the radio's firmware version, nothing else.
    QCOMPARE(Bytes(desktop.Doc().Image(), 0, 2), Bytes(before, 0, 2));
    QCOMPARE(Bytes(desktop.Doc().Image(), 2), Bytes(user, 2));

    // What the radio held before the write, as a clone file with a zero trailer, named in the status bar.
    const QDir backups(QString::fromStdString(desktop.dir.File("backups")));
    const QStringList files = backups.entryList({"*.t46"}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(files.first().startsWith("KSR-410_"));
    QFile file(backups.filePath(files.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QCOMPARE(content.size(), qsizetype(4104));
    QCOMPARE(content.left(4096), Bytes(before));
    QCOMPARE(content.mid(4096), QByteArray(8, '\0'));
    QVERIFY(desktop.Frame()->statusBar()->currentMessage().contains(files.first()));
}

void DesktopTransferTest::DownloadRefusedWhenTheBackupCannotBeWritten() {
    const CloneImage before = PatternImage(11);
    RadioProcess radio({"--fast"}, &before);
    Desktop desktop(radio.Device());
    // A plain file where the backups folder belongs: the folder cannot be made.
    QFile blocker(QString::fromStdString(desktop.dir.File("backups")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    desktop.Trigger(cmd::kDownload);

    QCOMPARE(desktop.ids, Ids{IDS_BACKUP_FAILED});
    QVERIFY(desktop.texts.first().contains(QString::fromStdString(desktop.dir.File("backups"))));
    QCOMPARE(Bytes(radio.StopAndReadMemory()), Bytes(before));
}

void DesktopTransferTest::PortAtStartUpAndAfterConfiguration() {
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
    QTimer::singleShot(0, [device] {
        auto* dialog = qobject_cast<PortConfigurationDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->PortBox()->setEditText(device);
        dialog->OkButton()->click();
    });
    desktop.Trigger(cmd::kConfigure);
    QVERIFY(ports.Port() && ports.Port()->IsOpen());
    QCOMPARE(desktop.Frame()->View()->HeaderField(2), device);
    // The choice is written to ZT46Win.ini when the window goes.
    ports.Configure(PortKind::Cable, PortSettings{2, device.toStdString()});
    QVERIFY(desktop.Frame()->close());
    QSettings ini(QString::fromStdString(desktop.dir.File("ZT46Win.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value("Initialize/COM_PORT").toInt(), 2);
    QCOMPARE(ini.value("Initialize/PORT_DEVICE").toString(), device);
}

void DesktopTransferTest::AlignmentEntryHandsThePortToTheWindow() {
    const CloneImage memory = EditedRadioMemory();
    RadioProcess radio({"--fast"}, &memory);
    Desktop desktop(radio.Device());
    const std::string name = desktop.Doc().CurrentFileName();

    QVERIFY(desktop.Frame()->Transfers()->EnterAlignment());

    QCOMPARE(desktop.range, 32);
    QCOMPARE(desktop.title, QString("Upload Function"));
    QCOMPARE(desktop.ids, Ids{}); // no question and no completion message
    QCOMPARE(Bytes(desktop.Doc().Image()), Bytes(memory));
    QCOMPARE(desktop.Doc().CurrentFileName(), name);
    // The radio is written to in alignment mode: what it held is kept first.
    QCOMPARE(
        QDir(QString::fromStdString(desktop.dir.File("backups"))).entryList({"*.t46"}, QDir::Files).size(),
        1);
    // The port is open and answers on the window's thread (the alignment dialog goes on with it).
    SerialPort* port = desktop.app->Ports().Port();
    QVERIFY(port && port->IsOpen());
    QCOMPARE(port->SendByte(0x36), LinkResult::Ok); // leave alignment mode
    desktop.Frame()->Transfers()->EndAlignment();
}

} // namespace zt46::test
