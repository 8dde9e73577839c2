// upload and download: the clone transfers over a serial device, with a progress bar on a terminal
// and Ctrl+C cancelling cleanly.
#include "cli/LinkCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <fstream>
#include <iostream>
#include <ostream>
#include <set>
#include <termios.h>
#include <unistd.h>

#include "cli/CliDocument.h"
#include "core/document/Backup.h"
#include "core/document/CloneFile.h"
#include "core/util/Messages.h"
#include "core/util/PrivilegedMode.h"
#include "link/TransferRuns.h"

namespace zt46::cli {
namespace {

std::atomic<bool>* g_cancel = nullptr;

extern "C" void OnInterrupt(int) {
    if (g_cancel) g_cancel->store(true);
}

// Ctrl+C sets the run's cancel flag for as long as the run lasts.
class InterruptCancels {
public:
    explicit InterruptCancels(std::atomic<bool>& cancel) {
        g_cancel = &cancel;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
    }
    ~InterruptCancels() {
        sigaction(SIGINT, &m_previous, nullptr);
        g_cancel = nullptr;
    }

private:
    struct sigaction m_previous {};
};

// A bar on stderr, drawn only when stderr is a terminal.
class CliProgress : public ProgressSink {
public:
    explicit CliProgress(CliIo& io) : m_io(io) {}
    ~CliProgress() override { EndLine(); }
    void SetRange(int frames) override {
        m_range = frames;
        Draw(0);
    }
    void SetStep(int done) override { Draw(done); }
    // Each text once. That no echo comes back from the cable is said even when stderr is no terminal.
    void SetText(int id) override {
        if ((!m_io.errIsTerminal && id != IDS_NO_ECHO) || !m_textsShown.insert(id).second) return;
        EndLine();
        m_io.err << StringById(id) << '\n';
    }
    void SetTitle(int id) override { m_title = StringById(id); }
    void EndLine() {
        if (m_drawn) m_io.err << '\n';
        m_drawn = false;
    }

private:
    void Draw(int done) {
        if (!m_io.errIsTerminal || m_range <= 0) return;
        constexpr int kWidth = 32;
        const int filled = done * kWidth / m_range;
        m_io.err << '\r' << m_title << " [" << std::string(static_cast<std::size_t>(filled), '#')
                 << std::string(static_cast<std::size_t>(kWidth - filled), '.') << "] " << done << '/'
                 << m_range << std::flush;
        m_drawn = true;
    }

    CliIo& m_io;
    std::string m_title;
    std::set<int> m_textsShown;
    int m_range = 0;
    bool m_drawn = false;
};

// The messages go below the bar, not into it.
class LinkPrompts : public UserPrompts {
public:
    LinkPrompts(CliPrompts& inner, CliProgress& progress) : m_inner(inner), m_progress(progress) {}
    Answer Show(const Prompt& prompt) override {
        m_progress.EndLine();
        return m_inner.Show(prompt);
    }
    void Beep() override {}

private:
    CliPrompts& m_inner;
    CliProgress& m_progress;
};

// The password as the Password dialog takes it: typed without echo, letters in either case.
bool AskPassword(CliIo& io) {
    std::string line;
    const bool terminal = isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (terminal) {
        io.err << "Password: " << std::flush;
        tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::getline(std::cin, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        io.err << '\n';
    }
    if (IsServicePassword(line)) return true;
    io.err << "zt46: the password is not correct; privileged mode refused\n";
    return false;
}

QCommandLineOption PortOption() {
    return QCommandLineOption(QStringLiteral("port"), {}, QStringLiteral("DEVICE"));
}

QCommandLineOption PrivilegedOption() {
    return QCommandLineOption(QStringLiteral("privileged"));
}

QCommandLineOption IdentityOption() {
    return QCommandLineOption(QStringLiteral("identity"), {}, QStringLiteral("radio|file"));
}

QCommandLineOption NoVerifyOption() {
    return QCommandLineOption(QStringLiteral("no-verify"));
}

// What the runs of both commands share: the port, Qt's application object, the cancel flag.
struct LinkRun {
    explicit LinkRun(CliIo& io) : io(io), cliPrompts(io.err), progress(io), prompts(cliPrompts, progress) {}

    int Run(TransferMode mode, const std::string& device, TransferJob job, TransferResult& result) {
        static int argc = 1;
        static char name[] = "zt46";
        static char* argv[] = {name, nullptr};
        std::unique_ptr<QCoreApplication> app;
        if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
        SerialPort port(PortSettings{1, device});
        std::atomic<bool> cancel{false};
        {
            InterruptCancels interrupt(cancel);
            const TransferContext context{prompts, progress, cancel};
            result = RunTransfer(mode, port, job, context);
        }
        progress.EndLine();
        port.Close();
        if (result.cancelled) io.err << "zt46: cancelled\n";
        return result.succeeded ? kExitOk : kExitLink;
    }

    CliIo& io;
    CliPrompts cliPrompts;
    CliProgress progress;
    LinkPrompts prompts;
};

class UploadCommand : public Command {
public:
    std::string Name() const override { return "upload"; }
    std::string Summary() const override { return "read the radio's memory into a clone file"; }
    std::string Usage() const override {
        return "Usage: zt46 upload --port DEVICE [-o FILE | --output FILE] [--privileged]\n"
               "Reads the radio's whole memory over the serial DEVICE and writes it as a clone file (the\n"
               "image and a zero trailer, 4104 bytes) to FILE, or to stdout when it is not a terminal.\n"
               "Switch the radio off and on again when asked. Ctrl+C cancels; nothing is written then.\n"
               "--privileged asks for the service password first.\n";
    }
    QList<QCommandLineOption> Options() const override {
        return {PortOption(), OutputOption("FILE"), PrivilegedOption()};
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::string output = OptionValue(parser, "output");
        const std::string device = OptionValue(parser, "port");
        if (!parser.positionalArguments().isEmpty() || device.empty()) {
            io.err << "zt46 upload: wrong arguments\n" << Usage();
            return kExitUsage;
        }
        if (output.empty() && isatty(STDOUT_FILENO)) {
            io.err << "zt46 upload: name a FILE with -o (stdout is a terminal)\n";
            return kExitUsage;
        }
        TransferJob job;
        job.privileged = parser.isSet(QStringLiteral("privileged"));
        if (job.privileged && !AskPassword(io)) return kExitUsage;
        LinkRun run(io);
        TransferResult result;
        const int status = run.Run(TransferMode::ReadRadio, device, job, result);
        if (status != kExitOk || !result.imageTaken) return status;
        if (output.empty()) {
            const ImageTrailer trailer{};
            io.out.write(reinterpret_cast<const char*>(result.image.data()),
                         static_cast<long>(result.image.size()));
            io.out.write(reinterpret_cast<const char*>(trailer.data()), static_cast<long>(trailer.size()));
            io.out.flush();
            return io.out ? kExitOk : kExitFile;
        }
        return WriteCloneFile(output, result.image, ImageTrailer{}, run.cliPrompts) ? kExitOk : kExitFile;
    }
};

class DownloadCommand : public Command {
public:
    std::string Name() const override { return "download"; }
    std::string Summary() const override { return "write a clone file into the radio"; }
    std::string Usage() const override {
        return "Usage: zt46 download --port DEVICE FILE [--identity radio|file] [--no-verify] "
               "[--privileged]\n"
               "Opens FILE with the checks of File > Open and writes it into the radio over the serial\n"
               "DEVICE, as the application does: the radio is read first, keeps its alignment values and\n"
               "firmware version, and what it held is kept in ./backups (the newest 50 backups are kept).\n"
               "Afterwards the radio is read back and compared with what was written; exit status 3 when\n"
               "it does not hold it.\n"
               "  --identity radio  when FILE was read from another radio (its serial number differs), keep\n"
               "                    the connected radio's own identity block (serial number)\n"
               "  --identity file   write FILE's identity block into the radio as well\n"
               "                    (with differing serial numbers and no --identity, nothing is written)\n"
               "  --no-verify       do not read the radio back after writing\n"
               "  --privileged      (asks for the service password) also writes the alignment check block\n"
               "                    and always keeps the radio's identity block\n"
               "Ctrl+C cancels.\n";
    }
    QList<QCommandLineOption> Options() const override {
        return {PortOption(), PrivilegedOption(), IdentityOption(), NoVerifyOption()};
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        const std::string device = OptionValue(parser, "port");
        if (paths.size() != 1 || device.empty()) {
            io.err << "zt46 download: wrong arguments\n" << Usage();
            return kExitUsage;
        }
        TransferJob job;
        if (parser.isSet(QStringLiteral("identity"))) {
            job.identity = ParseIdentityChoice(parser.value(QStringLiteral("identity")).toStdString());
            if (!job.identity) {
                io.err << "zt46 download: --identity takes radio or file\n";
                return kExitUsage;
            }
        }
        job.verify = !parser.isSet(QStringLiteral("no-verify"));
        job.privileged = parser.isSet(QStringLiteral("privileged"));
        if (job.privileged && !AskPassword(io)) return kExitUsage;
        CliDocument cli(io);
        if (!cli.Load(paths[0])) return kExitFile;
        cli.document.ModelsToImage();
        job.image = cli.document.Image();
        job.backupFolder = kBackupFolderName;
        LinkRun run(io);
        TransferResult result;
        const int status = run.Run(TransferMode::WriteRadio, device, job, result);
        ApplyTransferResult(cli.document, TransferMode::WriteRadio, result);
        if (!result.backupPath.empty())
            io.out << "Backup of the radio's memory: " << result.backupPath << '\n';
        if (result.identityDeclined) {
            io.err << "zt46 download: nothing was written: the file is of radio " << result.fileSerial
                   << ", the radio connected is " << result.radioSerial
                   << ". Name whose identity the radio gets: --identity radio (keep " << result.radioSerial
                   << ") or --identity file (write " << result.fileSerial << ").\n";
            return kExitUsage;
        }
        if (status != kExitOk && run.cliPrompts.LastId() == IDS_BACKUP_FAILED) return kExitFile;
        return status;
    }
};

} // namespace

int ReadRadioMemory(CliIo& io, const std::string& device, CloneImage& memory) {
    LinkRun run(io);
    TransferResult result;
    const int status = run.Run(TransferMode::ReadForCompare, device, TransferJob{}, result);
    if (status == kExitOk) memory = result.image;
    return status;
}

void AddLinkCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<UploadCommand>());
    commands.push_back(std::make_unique<DownloadCommand>());
}

} // namespace zt46::cli
