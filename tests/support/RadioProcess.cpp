#include "support/RadioProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef ZT46_RADIO
#define ZT46_RADIO "zt46-radio"
#endif

namespace zt46::test {
namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return argv;
}

// Whether the process has its own SIGINT handler in place (Linux: the caught-signals mask).
bool CatchesInterrupt(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
    }
    return false;
}

int Wait(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

} // namespace

RadioProcess::RadioProcess(std::vector<std::string> args, const CloneImage* memory) {
    if (memory) args.insert(args.end(), {"--image", WriteClone(m_dir.File("start.t46"), *memory)});
    args.insert(args.end(), {"--save", m_dir.File("memory.t46")});
    args.insert(args.begin(), ZT46_RADIO);
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    m_pid = fork();
    if (m_pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(args[0].c_str(), Argv(args).data());
        _exit(127);
    }
    close(out[1]);
    // The first line is the device path.
    pollfd p{out[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, 5000) > 0 && read(out[0], &c, 1) == 1 && c != '\n')
        m_device += c;
    close(out[0]);
    if (m_device.empty()) throw std::runtime_error("zt46-radio did not start");
}

void RadioProcess::Stop() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    Wait(m_pid);
    m_pid = -1;
}

CloneImage RadioProcess::StopAndReadMemory() {
    Stop();
    return ReadImage(m_dir.File("memory.t46"));
}

ProgramRun RunProgram(const TempDir& dir, std::vector<std::string> args, const std::string& input,
                      int interruptAfterMs) {
    WriteBytes(dir.File("stdin.txt"), {input.begin(), input.end()});
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.Path().c_str()) != 0) _exit(126);
        if (!freopen("stdin.txt", "r", stdin) || !freopen("stdout.txt", "w", stdout) ||
            !freopen("stderr.txt", "w", stderr))
            _exit(126);
        execvp(args[0].c_str(), Argv(args).data());
        _exit(127);
    }
    if (interruptAfterMs >= 0) {
        for (int i = 0; i < 1000 && !CatchesInterrupt(pid); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(interruptAfterMs));
        kill(pid, SIGINT);
    }
    const int status = Wait(pid);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(dir.File("stdout.txt")),
            ReadText(dir.File("stderr.txt"))};
}

} // namespace zt46::test
