// SerialPort on a bare pseudo-terminal: the test plays the other end of the line.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "link/SerialPort.h"

namespace zt46 {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(openpty(&m_master, &m_slave, nullptr, nullptr, nullptr), 0);
        termios tio{};
        tcgetattr(m_slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_slave, TCSANOW, &tio);
        m_port.SetSettings(PortSettings{1, ttyname(m_slave)});
        ASSERT_TRUE(m_port.Reopen()); // no modem lines on a pseudo-terminal: still ready
    }
    void TearDown() override {
        m_port.Close();
        close(m_slave);
        close(m_master);
    }
    void Send(std::initializer_list<std::uint8_t> bytes) {
        const std::vector<std::uint8_t> v(bytes);
        ASSERT_EQ(write(m_master, v.data(), v.size()), static_cast<ssize_t>(v.size()));
    }
    std::size_t Pending() {
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        std::uint8_t buffer[8192];
        std::size_t total = 0;
        for (ssize_t n; (n = read(m_master, buffer, sizeof buffer)) > 0;)
            total += static_cast<std::size_t>(n);
        return total;
    }

    int m_master = -1, m_slave = -1;
    SerialPort m_port;
};

TEST_F(SerialPortTest, ReadByteWaitsForTheRadioAndPurgeDropsWhatArrived) {
    Send({1, 2, 3});
    std::this_thread::sleep_for(20ms);
    m_port.PurgeReceive();
    std::uint8_t byte = 0;
    const auto start = Clock::now();
    EXPECT_EQ(m_port.ReadByte(byte), LinkResult::Timeout);
    EXPECT_GE(Clock::now() - start, 150ms); // it did wait for the radio
    Send({0x5A});
    EXPECT_EQ(m_port.ReadByte(byte), LinkResult::Ok);
    EXPECT_EQ(byte, 0x5A);
}

// A block coming in pieces is read whole; one cut short is a timeout, with the bytes that came.
TEST_F(SerialPortTest, ABlockIsReadAsItArrivesInPiecesAndAShortOneTimesOut) {
    std::thread radio([this] {
        for (std::uint8_t i = 0; i < 26; ++i) {
            Send({i});
            std::this_thread::sleep_for(2ms); // well within the piece's 230 ms
        }
    });
    std::uint8_t block[16] = {};
    EXPECT_EQ(m_port.ReadBlock(block, 16), LinkResult::Ok);
    radio.join();
    EXPECT_EQ(block[15], 15);
    EXPECT_EQ(m_port.ReadBlock(block, 16), LinkResult::Timeout);
    EXPECT_EQ(std::vector(block, block + 10),
              (std::vector<std::uint8_t>{16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
}

TEST_F(SerialPortTest, WritesOver4096BytesAreRefusedUnsent) {
    std::vector<std::uint8_t> data(4097, 0x55);
    EXPECT_FALSE(m_port.Write(data.data(), data.size()));
    EXPECT_EQ(Pending(), 0u);
    EXPECT_TRUE(m_port.Write(data.data(), 4096));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Pending(), 4096u);
}

TEST_F(SerialPortTest, SendWithEchoReturnsTheEchoAsReceived) {
    std::thread cable([this] {
        std::uint8_t buffer[3];
        std::size_t have = 0;
        while (have < 3) {
            const ssize_t n = read(m_master, buffer + have, 3 - have);
            if (n > 0) have += static_cast<std::size_t>(n);
        }
        buffer[1] ^= 0xFF; // a damaged echo is what the caller goes on with
        write(m_master, buffer, 3);
    });
    std::uint8_t run[3] = {0x21, 0x82, 0x00};
    EXPECT_TRUE(m_port.SendWithEcho(run, 3));
    cable.join();
    EXPECT_EQ(run[1], 0x7D);
    std::uint8_t lone = 0x06;
    EXPECT_EQ(m_port.SendByte(lone), LinkResult::Error); // nobody echoes now
}

int g_qtWarnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
    g_qtWarnings += type != QtDebugMsg;
}

// The desktop application holds the port open on its UI thread and runs each transfer on a worker:
// the worker's Reopen closes the held port on the UI thread, and hands the new one back at the end.
TEST_F(SerialPortTest, APortHeldByAnotherThreadIsReopenedWithoutCrossThreadUse) {
    g_qtWarnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
    QThread* uiThread = QThread::currentThread();
    QThread worker;
    std::atomic<bool> done{false};
    bool reopened = false;
    LinkResult status = LinkResult::Error;
    QObject::connect(&worker, &QThread::started, [&] {
        reopened = m_port.Reopen();
        Send({0x42});
        std::uint8_t byte = 0;
        status = m_port.ReadByte(byte);
        m_port.HandTo(uiThread);
        done = true;
    });
    worker.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.quit();
    worker.wait();
    EXPECT_TRUE(reopened);
    EXPECT_EQ(status, LinkResult::Ok);
    Send({0x43});
    std::uint8_t byte = 0;
    EXPECT_EQ(m_port.ReadByte(byte), LinkResult::Ok);
    EXPECT_EQ(byte, 0x43);
    m_port.Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_qtWarnings, 0);
}

} // namespace
} // namespace zt46
