#include "link/SerialPort.h"

#include <QSerialPort>
#include <QThread>
#include <algorithm>
#include <chrono>

namespace zt46 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Time-outs of the port, in milliseconds.
constexpr struct {
    int readInterval = 100; // longest gap between two bytes of one read
    int readPerByte = 5;    // total read time-out: readConstant + readPerByte * count
    int readConstant = 150;
    int writePerByte = 100; // total write time-out: writeConstant + writePerByte * count
    int writeConstant = 5000;
} kTimeouts;

// Milliseconds left until `until`, rounded up so that a wait never ends just before its deadline.
int MillisecondsUntil(Clock::time_point until) {
    const auto left = until - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<milliseconds>(left).count());
}

// A pseudo-terminal (or any device without modem lines) refuses DTR and RTS as unsupported: that is
// "no modem lines", not a port that cannot be used.
bool AssertLine(QSerialPort& port, bool (QSerialPort::*set)(bool)) {
    if ((port.*set)(true)) return true;
    if (port.error() != QSerialPort::UnsupportedOperationError) return false;
    port.clearError();
    return true;
}

} // namespace

SerialPort::SerialPort(PortSettings settings) : m_settings(std::move(settings)) {}

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::IsOpen() const {
    return m_port && m_port->isOpen();
}

bool SerialPort::Reopen() {
    Close();
    m_openError = 0;
    m_openErrorText.clear();
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(QString::fromStdString(m_settings.DeviceName()));
    const auto keepError = [this] {
        m_openError = static_cast<int>(m_port->error());
        m_openErrorText = m_port->errorString().toStdString();
    };
    if (!m_port->open(QIODevice::ReadWrite)) {
        keepError();
        m_port.reset();
        return false;
    }
    const bool ready = m_port->setBaudRate(QSerialPort::Baud9600) &&
                       m_port->setDataBits(QSerialPort::Data8) && m_port->setParity(QSerialPort::NoParity) &&
                       m_port->setStopBits(QSerialPort::OneStop) &&
                       m_port->setFlowControl(QSerialPort::NoFlowControl) &&
                       AssertLine(*m_port, &QSerialPort::setDataTerminalReady) &&
                       AssertLine(*m_port, &QSerialPort::setRequestToSend);
    if (!ready) keepError();
    m_port->clearError();
    return ready;
}

void SerialPort::Close() {
    if (!m_port) return;
    QSerialPort* port = m_port.release();
    auto shut = [port] {
        if (!port->isOpen()) return;
        port->setDataTerminalReady(false);
        port->clear(QSerialPort::AllDirections);
        port->close();
    };
    // A port held open by another, still running thread (the one that opened it at start-up, or the
    // one it was handed to) is closed there: its notifiers belong to that thread's event loop.
    QThread* owner = port->thread();
    if (owner == QThread::currentThread() || !owner->isRunning()) {
        shut();
        delete port;
    } else {
        QMetaObject::invokeMethod(port, shut, Qt::BlockingQueuedConnection);
        port->deleteLater();
    }
}

void SerialPort::PurgeReceive() {
    if (IsOpen()) m_port->clear(QSerialPort::Input);
}

void SerialPort::PurgeTransmit() {
    if (IsOpen()) m_port->clear(QSerialPort::Output);
}

bool SerialPort::TakePendingError() {
    const QSerialPort::SerialPortError error = m_port->error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return false;
    m_port->clearError();
    return true;
}

bool SerialPort::Write(const std::uint8_t* data, std::size_t count) {
    if (count > kMaxWrite || !IsOpen()) return false;
    if (count == 0) return true;
    const auto deadline = Clock::now() + milliseconds(kTimeouts.writeConstant +
                                                      kTimeouts.writePerByte * static_cast<int>(count));
    if (m_port->write(reinterpret_cast<const char*>(data), static_cast<qint64>(count)) !=
        static_cast<qint64>(count)) {
        return false;
    }
    while (m_port->bytesToWrite() > 0) {
        const int wait = MillisecondsUntil(deadline);
        if (wait == 0 ||
            (!m_port->waitForBytesWritten(wait) && m_port->error() != QSerialPort::TimeoutError)) {
            m_port->clear(QSerialPort::Output); // what did not go out in time never goes out late
            return false;
        }
    }
    return true;
}

LinkResult SerialPort::ReadBlock(std::uint8_t* data, std::size_t count) {
    if (!IsOpen()) return LinkResult::Timeout;
    if (TakePendingError()) return LinkResult::Error;
    const auto start = Clock::now();
    const auto total =
        start + milliseconds(kTimeouts.readConstant + kTimeouts.readPerByte * static_cast<int>(count));
    auto lastByte = start;
    std::size_t have = 0;
    while (have < count) {
        const qint64 got =
            m_port->read(reinterpret_cast<char*>(data + have), static_cast<qint64>(count - have));
        if (got < 0) return LinkResult::Timeout;
        if (got > 0) {
            have += static_cast<std::size_t>(got);
            lastByte = Clock::now();
            continue;
        }
        // The interval time-out runs only once the first byte is in, as the driver's does.
        const auto limit =
            have > 0 ? std::min(total, lastByte + milliseconds(kTimeouts.readInterval)) : total;
        const int wait = MillisecondsUntil(limit);
        if (wait == 0) break;
        if (!m_port->waitForReadyRead(wait)) {
            if (m_port->error() == QSerialPort::TimeoutError) {
                m_port->clearError();
                continue;
            }
            if (m_port->error() != QSerialPort::NoError)
                return LinkResult::Timeout; // stays pending for the next read
        }
    }
    return have == count ? LinkResult::Ok : LinkResult::Timeout;
}

bool SerialPort::SendWithEcho(std::uint8_t* data, std::size_t count) {
    if (!Write(data, count)) return false;
    return ReadBlock(data, count) == LinkResult::Ok;
}

LinkResult SerialPort::ReadByte(std::uint8_t& byte) {
    return ReadBlock(&byte, 1);
}

LinkResult SerialPort::SendByte(std::uint8_t byte) {
    return SendWithEcho(&byte, 1) ? LinkResult::Ok : LinkResult::Error;
}

void SerialPort::HandTo(QThread* thread) {
    if (m_port) m_port->moveToThread(thread);
}

} // namespace zt46
