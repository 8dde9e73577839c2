#include "sim/PtyRadio.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zt46::sim {
namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_save = 0;
volatile std::sig_atomic_t g_switchOn = 0;

void OnSignal(int signal) {
    if (signal == SIGUSR1)
        g_save = 1;
    else if (signal == SIGUSR2)
        g_switchOn = 1;
    else
        g_stop = 1;
}

constexpr auto kQuietAfter = std::chrono::milliseconds(1000);

} // namespace

PtyRadio::PtyRadio(RadioModel& model, PtyOptions options) : m_model(model), m_options(std::move(options)) {
    if (m_options.baud > 0) m_byteTime = std::chrono::nanoseconds(10'000'000'000LL / m_options.baud);
}

PtyRadio::~PtyRadio() {
    if (!m_options.linkPath.empty()) unlink(m_options.linkPath.c_str());
    if (m_slave >= 0) close(m_slave);
    if (m_master >= 0) close(m_master);
}

bool PtyRadio::Open() {
    if (openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "zt46-radio: cannot create a pseudo-terminal: %s\n", std::strerror(errno));
        return false;
    }
    // Raw from the start: the line discipline must neither echo nor translate before the PC opens it.
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_device = ttyname(m_slave);
    if (!m_options.linkPath.empty()) {
        unlink(m_options.linkPath.c_str());
        if (symlink(m_device.c_str(), m_options.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "zt46-radio: cannot link %s: %s\n", m_options.linkPath.c_str(),
                         std::strerror(errno));
            return false;
        }
    }
    return true;
}

void PtyRadio::Queue(const std::vector<std::uint8_t>& bytes) {
    if (m_out.empty()) m_wireFree = std::max(m_wireFree, Clock::now());
    m_out.insert(m_out.end(), bytes.begin(), bytes.end());
}

// A byte reaches the PC when its last bit is on the wire: one byte time after the previous one ended.
void PtyRadio::SendDue() {
    const auto now = Clock::now();
    std::uint8_t chunk[4096];
    std::size_t n = 0;
    while (!m_out.empty() && n < sizeof chunk && m_wireFree + m_byteTime <= now) {
        chunk[n++] = m_out.front();
        m_out.pop_front();
        m_wireFree += m_byteTime;
    }
    std::size_t done = 0;
    while (done < n) {
        const ssize_t w = write(m_master, chunk + done, n - done);
        if (w > 0) {
            done += static_cast<std::size_t>(w);
        } else if (w < 0 && errno == EINTR) {
            continue;
        } else {
            break; // nobody reads the line: like bytes on a wire, they are gone
        }
    }
}

bool PtyRadio::SaveMemory() {
    if (m_options.savePath.empty()) return true;
    const std::string temp = m_options.savePath + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const auto& memory = m_model.Memory();
        const char trailer[kTrailerSize] = {};
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        out.write(trailer, sizeof trailer);
        if (!out) {
            std::fprintf(stderr, "zt46-radio: cannot write %s\n", temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, m_options.savePath, ec);
    return !ec;
}

int PtyRadio::Run() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigset_t blocked, waitMask;
    sigemptyset(&blocked);
    for (int s : {SIGTERM, SIGINT, SIGHUP, SIGUSR1, SIGUSR2}) {
        sigaction(s, &action, nullptr);
        sigaddset(&blocked, s);
    }
    sigprocmask(SIG_BLOCK, &blocked, &waitMask); // signals arrive only inside ppoll
    const auto start = Clock::now();
    auto lastHeard = start;
    int downloads = 0;
    std::vector<std::uint8_t> answer;
    while (!g_stop) {
        if (g_save) {
            g_save = 0;
            SaveMemory();
        }
        answer.clear();
        if (g_switchOn || (m_options.switchOnAfterMs >= 0 && !m_model.IsOn() &&
                           Clock::now() - start >= std::chrono::milliseconds(m_options.switchOnAfterMs))) {
            g_switchOn = 0;
            m_model.SwitchOn(answer);
        }
        if (m_model.Busy() && m_out.empty() && Clock::now() - lastHeard > kQuietAfter) m_model.LineQuiet();
        Queue(answer);
        SendDue();
        // Sleep until the next byte is due, the radio switches on, or the PC says something.
        auto wake = Clock::now() + std::chrono::milliseconds(200);
        if (!m_out.empty()) wake = std::min(wake, m_wireFree + m_byteTime);
        const auto left = std::max(Clock::duration::zero(), wake - Clock::now());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        timespec timeout{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
        pollfd p{m_master, POLLIN, 0};
        if (ppoll(&p, 1, &timeout, &waitMask) <= 0 || !(p.revents & POLLIN)) continue;
        std::uint8_t in[4096];
        const ssize_t n = read(m_master, in, sizeof in);
        if (n <= 0) continue;
        lastHeard = Clock::now();
        for (ssize_t i = 0; i < n; ++i) {
            answer.clear();
            const bool echo = m_options.echo == CableEcho::Always ||
                              (m_options.echo == CableEcho::WhileRadioOn && m_model.IsOn());
            if (echo) answer.push_back(in[i]);
            m_model.Receive(in[i], answer);
            Queue(answer);
        }
        if (m_model.DownloadsCompleted() != downloads) {
            downloads = m_model.DownloadsCompleted();
            SaveMemory();
        }
    }
    return SaveMemory() ? 0 : 1;
}

} // namespace zt46::sim
