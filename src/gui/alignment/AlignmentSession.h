#pragma once
// One alignment run after the entry: the alignment model over the radio, working on its own copy of the
// image, with every radio step on one worker thread so the window never freezes. Steps run strictly in
// the order they were asked for, each to its end (with its waits) before the next starts; each step's
// answer comes back on the user-interface thread.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/alignment/AlignmentModel.h"
#include "core/alignment/WriteJournal.h"

class QThread;

namespace zt46 {

class ChannelTable;
class SerialAlignmentRadio;
class SerialPort;

class AlignmentSession : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(AlignmentModel&)>;

    // `port` is open, in alignment mode and owned by the calling thread; it is handed to the worker
    // and back. The model starts from the image's alignment values.
    AlignmentSession(ChannelTable& channels, const CloneImage& image, SerialPort& port,
                     QObject* parent = nullptr);
    // Ends the run (see Shutdown) if nobody did.
    ~AlignmentSession() override;

    // Queues a step; `done` runs on this object's thread once it has ended (dropped when `context`
    // has gone by then).
    void Run(Step step, std::function<void()> done = {}, QObject* context = nullptr);
    // Runs a step after every queued one and waits for it.
    void RunAndWait(const Step& step);
    // Steps asked for and not yet answered.
    int Pending() const { return m_pending; }
    bool Busy() const { return m_pending > 0; }

    // The model: read it from this thread only while no step runs (between answers).
    const AlignmentModel& Model() const { return *m_model; }
    // The image with the values the model stored into it.
    const CloneImage& Image() const { return m_image; }
    // Every word the radio took: what its memory should hold now. Read it after Shutdown.
    const WriteJournal& Writes() const { return *m_journal; }

    // Leaves alignment mode: unkeys, then (store) the values go into the image, then 0x36.
    void Leave(bool store, std::function<void()> done = {}, QObject* context = nullptr);
    // The way out whatever happened before: after every queued step, unkeys the transmitter and
    // leaves alignment mode unless that was done; gives the port back and stops the worker.
    void Shutdown();

signals:
    // A step has answered (the model may have changed).
    void StepAnswered();

private:
    CloneImage m_image;
    SerialPort& m_port;
    std::unique_ptr<SerialAlignmentRadio> m_radio;
    std::unique_ptr<WriteJournal> m_journal; // the model talks to the radio through it
    std::unique_ptr<AlignmentModel> m_model;
    QThread* m_thread;
    QObject* m_worker; // lives on m_thread: steps are queued to it
    QThread* m_home;
    int m_pending = 0;
    bool m_left = false;
    bool m_shutDown = false;
};

} // namespace zt46
