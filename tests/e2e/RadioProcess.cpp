#include "RadioProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "core/document/FactoryImage.h"
#include "core/image/Fields.h"

namespace zt46::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zt46-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

RadioProcess::RadioProcess(std::vector<std::string> args, const CloneImage* memory) {
    if (memory) {
        WriteImageFile(m_dir.File("start.t46"), *memory);
        args.insert(args.end(), {"--image", m_dir.File("start.t46")});
    }
    args.insert(args.end(), {"--save", m_dir.File("memory.t46")});
    args.insert(args.begin(), ZT46_RADIO);
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe failed");
    m_pid = fork();
    if (m_pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
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

RadioProcess::~RadioProcess() {
    Stop();
}

void RadioProcess::Signal(int signal) const {
    kill(m_pid, signal);
}

void RadioProcess::Stop() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

CloneImage RadioProcess::StopAndReadMemory() {
    Stop();
    return ReadImageFile(m_dir.File("memory.t46"));
}

CloneImage ReadImageFile(const std::string& path) {
    CloneImage image{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (in.gcount() != static_cast<std::streamsize>(image.size()))
        throw std::runtime_error("short file " + path);
    return image;
}

void WriteImageFile(const std::string& path, const CloneImage& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const ImageTrailer trailer{};
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.write(reinterpret_cast<const char*>(trailer.data()), static_cast<std::streamsize>(trailer.size()));
}

CloneImage PatternImage(unsigned seed) {
    std::mt19937 random(seed);
    CloneImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(random());
    SetField(image, fields::HardwareConfiguration, GetField(FactoryImage(), fields::HardwareConfiguration));
    return image;
}

} // namespace zt46::test
