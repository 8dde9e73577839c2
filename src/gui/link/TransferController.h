#pragma once
// Upload, Download and the alignment entry from the desktop: the run goes on a worker thread over its
// own copy of the image while the "Access Gauge" dialog is modal; the result is applied to the
// document on the user-interface thread afterwards. Also the Configuration dialog's port choice.

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <optional>

#include "link/TransferRuns.h"

class QWidget;

namespace zt46 {

struct AppState;
class TransferProgressDialog;
class Document;
class PortHolder;
class UserPrompts;

class TransferController : public QObject {
    Q_OBJECT
public:
    TransferController(Document& document, AppState& state, PortHolder& ports, UserPrompts& prompts,
                       QWidget* owner);
    ~TransferController() override;

    // Radio > Upload and Radio > Download.
    void Upload();
    void Download();
    // Alignment entry: true when the radio was read and is in alignment mode; the port then stays
    // open, owned by this thread, for the alignment dialog. Call EndAlignment() when it is done.
    bool EnterAlignment();
    void EndAlignment();
    // File > Configure: the Configuration dialog, and on OK the port re-created to match.
    void Configure();
    // The radio's memory as it is now, read without touching the document (File > Compare); nullopt
    // when the run failed (after its message) or was cancelled.
    std::optional<CloneImage> ReadRadioImage();
    // Reads the radio back after alignment wrote into it and compares it with `expected`; the message
    // names `backupPath` when they differ. True when the radio holds `expected`.
    bool VerifyRadio(const CloneImage& expected, const std::string& backupPath);
    // The configuration's "Verify after writing".
    bool VerifyAfterWriting() const;

    // One run with the gauge: the dialog's result (QDialog::Accepted or Rejected).
    int Run(TransferMode mode);
    const TransferResult& LastResult() const { return m_result; }
    // Where the radio's memory is kept before it is written: "backups" in the working directory.
    std::string BackupFolder() const;
    // The gauge while a run is on (null otherwise).
    TransferProgressDialog* Gauge() const { return m_gauge; }

signals:
    // The gauge is up and the run has started.
    void RunStarted(TransferProgressDialog* gauge);
    // After every run: the document has taken the result and its models are decoded again.
    void RunFinished(zt46::TransferMode mode, bool accepted);
    void BackupWritten(const QString& path);
    // The port choice may have changed (the view's header shows it).
    void PortChanged();

private:
    int RunJob(TransferMode mode, TransferJob job);

    Document& m_doc;
    AppState& m_state;
    PortHolder& m_ports;
    UserPrompts& m_prompts;
    QPointer<QWidget> m_owner;
    TransferResult m_result;
    // One gauge for the whole run of the program, built and laid out up front, so that showing it
    // costs the first transfer no pause of the window.
    std::unique_ptr<TransferProgressDialog> m_gaugeDialog;
    TransferProgressDialog* m_gauge = nullptr; // only while a run is on
    bool m_running = false;
};

} // namespace zt46
