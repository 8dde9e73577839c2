#pragma once
// "Access Gauge": the small modal dialog over a transfer run. The run reports its caption, status
// line and progress from its worker thread (queued); Cancel and Esc are the only ways out. Cancel
// only asks the run to stop and keeps the dialog, and the event loop, running until the run has
// ended: the run may be waiting for the answer to a message box shown on this thread.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zt46 {

class TransferProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit TransferProgressDialog(QWidget* parent = nullptr);

    // Ready for a new run: caption "Access Gauge", empty status line, no bar yet.
    void Begin();
    QProgressBar* Progress() const { return m_progress; }
    QPushButton* CancelButton() const { return m_cancel; }

public slots:
    // A new bar from 0 to `frames`.
    void SetRange(int frames);
    void SetStep(int framesDone);
    void SetText(int stringId);
    void SetTitle(int stringId);
    // The run has ended: OK, or Cancel when the user asked to stop.
    void RunEnded();
    // Cancel and Esc: ask the run to stop; the dialog ends once it has.
    void reject() override;

signals:
    void CancelPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    bool m_cancelRequested = false;
    bool m_ended = false;
};

} // namespace zt46
