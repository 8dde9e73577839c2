#include "gui/link/TransferController.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <memory>

#include "core/document/Backup.h"
#include "core/document/Document.h"
#include "gui/app/AppState.h"
#include "gui/link/PortConfigurationDialog.h"
#include "gui/link/PortHolder.h"
#include "gui/link/TransferProgressDialog.h"

namespace zt46 {
namespace {

// The run's progress, handed from the worker to the gauge on the user-interface thread. A report that
// arrives after the gauge has gone is dropped with it.
class GaugeProgress : public ProgressSink {
public:
    explicit GaugeProgress(TransferProgressDialog* gauge) : m_gauge(gauge) {}
    void SetRange(int frames) override { Post(&TransferProgressDialog::SetRange, frames); }
    void SetStep(int done) override { Post(&TransferProgressDialog::SetStep, done); }
    void SetText(int id) override { Post(&TransferProgressDialog::SetText, id); }
    void SetTitle(int id) override { Post(&TransferProgressDialog::SetTitle, id); }

private:
    void Post(void (TransferProgressDialog::*slot)(int), int value) {
        TransferProgressDialog* gauge = m_gauge;
        QMetaObject::invokeMethod(
            gauge, [gauge, slot, value] { (gauge->*slot)(value); }, Qt::QueuedConnection);
    }
    TransferProgressDialog* m_gauge;
};

} // namespace

TransferController::TransferController(Document& document, AppState& state, PortHolder& ports,
                                       UserPrompts& prompts, QWidget* owner)
    : QObject(owner), m_doc(document), m_state(state), m_ports(ports), m_prompts(prompts), m_owner(owner),
      m_gaugeDialog(std::make_unique<TransferProgressDialog>(owner)) {
    m_gaugeDialog->ensurePolished();
    m_gaugeDialog->adjustSize();
}

TransferController::~TransferController() = default;

std::string TransferController::BackupFolder() const {
    return QDir(QString::fromStdString(m_doc.Paths().working)).filePath(kBackupFolderName).toStdString();
}

bool TransferController::VerifyAfterWriting() const {
    return m_state.VerifyAfterWriting;
}

int TransferController::Run(TransferMode mode) {
    if (m_running) return QDialog::Rejected; // modal: never two runs at once
    m_doc.ModelsToImage();
    TransferJob job;
    job.image = m_doc.Image();
    job.imageModified = m_doc.ImageModified();
    if (mode == TransferMode::WriteRadio || mode == TransferMode::AlignmentEntry)
        job.backupFolder = BackupFolder();
    job.verify = m_state.VerifyAfterWriting;
    return RunJob(mode, std::move(job));
}

std::optional<CloneImage> TransferController::ReadRadioImage() {
    if (RunJob(TransferMode::ReadForCompare, TransferJob{}) != QDialog::Accepted || !m_result.succeeded)
        return std::nullopt;
    return m_result.image;
}

bool TransferController::VerifyRadio(const CloneImage& expected, const std::string& backupPath) {
    TransferJob job;
    job.image = expected;
    job.backupPath = backupPath;
    return RunJob(TransferMode::VerifyWrite, std::move(job)) == QDialog::Accepted && m_result.succeeded;
}

int TransferController::RunJob(TransferMode mode, TransferJob job) {
    if (m_running) return QDialog::Rejected;
    m_running = true;
    job.privileged = m_state.PrivilegedMode == Privilege::Privileged;
    QThread* uiThread = QThread::currentThread();
    if (mode == TransferMode::AlignmentEntry) job.portThread = uiThread;

    SerialPort& port = m_ports.PortForRun();
    // The worker opens the port afresh on its own thread; the held one is closed here, on the thread
    // that owns it.
    port.Close();

    // The flag exists before the gauge can take a Cancel, so a Cancel pressed at once is never lost.
    std::atomic<bool> cancel{false};
    TransferProgressDialog& gauge = *m_gaugeDialog;
    gauge.Begin();
    m_gauge = &gauge;
    GaugeProgress progress(&gauge);
    const TransferContext context{m_prompts, progress, cancel};
    TransferResult result;
    QThread* worker = QThread::create([&] {
        result = RunTransfer(mode, port, job, context);
        // Upload and download leave the port open; it goes back to the thread that holds it.
        if (mode != TransferMode::AlignmentEntry) port.HandTo(uiThread);
    });
    const auto cancelled =
        connect(&gauge, &TransferProgressDialog::CancelPressed, this, [&cancel] { cancel.store(true); });
    connect(worker, &QThread::finished, &gauge, &TransferProgressDialog::RunEnded);
    worker->start();
    emit RunStarted(&gauge);
    const int answer = gauge.exec();
    // The gauge ends on the worker's finished signal. Should its loop have been left another way (the
    // program quitting), the run is told to stop and the events are served until it has: the run may
    // be waiting for a message box on this thread, so this thread never just blocks on it.
    if (worker->isRunning()) cancel.store(true);
    while (worker->isRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker->wait();
    delete worker;
    disconnect(cancelled);
    // Progress posted by the run but not yet shown belongs to this run only.
    QCoreApplication::removePostedEvents(&gauge, QEvent::MetaCall);
    m_gauge = nullptr;

    m_result = result;
    ApplyTransferResult(m_doc, mode, m_result);
    m_running = false;
    if (!m_result.backupPath.empty()) emit BackupWritten(QString::fromStdString(m_result.backupPath));
    emit RunFinished(mode, answer == QDialog::Accepted);
    return answer;
}

void TransferController::Upload() {
    Run(TransferMode::ReadRadio);
    m_ports.EndRun();
}

void TransferController::Download() {
    Run(TransferMode::WriteRadio);
    m_ports.EndRun();
}

bool TransferController::EnterAlignment() {
    const int answer = Run(TransferMode::AlignmentEntry);
    if (answer == QDialog::Accepted && m_result.succeeded) return true;
    m_ports.EndRun();
    return false;
}

void TransferController::EndAlignment() {
    m_ports.EndRun();
}

void TransferController::Configure() {
    PortConfigurationDialog dialog(m_state, m_owner);
    if (dialog.exec() == QDialog::Accepted) {
        m_state.VerifyAfterWriting = dialog.VerifyAfterWriting();
        m_ports.Configure(dialog.SelectedPortKind(), dialog.SelectedPort());
    }
    emit PortChanged();
}

} // namespace zt46
