#include "gui/alignment/AlignmentSession.h"

#include <QThread>

#include "link/SerialAlignmentRadio.h"

namespace zt46 {

AlignmentSession::AlignmentSession(ChannelTable& channels, const CloneImage& image, SerialPort& port,
                                   QObject* parent)
    : QObject(parent), m_image(image), m_port(port), m_radio(std::make_unique<SerialAlignmentRadio>(port)),
      m_journal(std::make_unique<WriteJournal>(*m_radio)), m_thread(new QThread), m_worker(new QObject),
      m_home(QThread::currentThread()) {
    m_model = std::make_unique<AlignmentModel>(channels, m_image, *m_journal);
    m_model->LoadFromImage();
    m_thread->setObjectName(QStringLiteral("alignment"));
    m_worker->moveToThread(m_thread);
    m_port.HandTo(m_thread);
    m_thread->start();
}

AlignmentSession::~AlignmentSession() {
    Shutdown();
    delete m_worker;
    delete m_thread;
}

void AlignmentSession::Run(Step step, std::function<void()> done, QObject* context) {
    if (m_shutDown) return;
    ++m_pending;
    QPointer<QObject> guard(context ? context : this);
    const bool guarded = context != nullptr;
    QMetaObject::invokeMethod(
        m_worker,
        [this, step = std::move(step), done = std::move(done), guard, guarded] {
            step(*m_model);
            QMetaObject::invokeMethod(
                this,
                [this, done, guard, guarded] {
                    --m_pending;
                    emit StepAnswered(); // first: the step's own answer may open a dialog
                    if (done && (!guarded || guard)) done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void AlignmentSession::RunAndWait(const Step& step) {
    if (m_shutDown) return;
    QMetaObject::invokeMethod(
        m_worker, [this, &step] { step(*m_model); }, Qt::BlockingQueuedConnection);
}

void AlignmentSession::Leave(bool store, std::function<void()> done, QObject* context) {
    Run(
        [this, store](AlignmentModel& model) {
            if (store) {
                model.Leave(); // unkeys, stores, 0x36
            } else {
                model.Unkey();
                m_radio->LeaveAlignment();
            }
            m_left = true;
        },
        std::move(done), context);
}

void AlignmentSession::Shutdown() {
    if (m_shutDown) return;
    // Whatever way the dialog went (or the program is ending), the transmitter is never left keyed.
    RunAndWait([this](AlignmentModel& model) {
        if (m_left) return;
        model.Unkey();
        m_radio->LeaveAlignment();
        m_left = true;
    });
    QThread* home = m_home;
    RunAndWait([this, home](AlignmentModel&) { m_port.HandTo(home); });
    m_shutDown = true;
    m_thread->quit();
    m_thread->wait();
}

} // namespace zt46
