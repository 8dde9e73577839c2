#pragma once
// The zt46 command-line tool: one small class per subcommand behind one list.

#include <QCommandLineOption>
#include <QList>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class QCommandLineParser;

namespace zt46::cli {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFile = 2;
constexpr int kExitLink = 3;
constexpr int kExitPartial = 4; // done, but not all of it was equal or taken (diff, import)

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

class Command {
public:
    virtual ~Command() = default;
    virtual std::string Name() const = 0;
    virtual std::string Summary() const = 0;
    virtual std::string Usage() const = 0; // the full --help text of the command
    // The command's options; -h/--help comes with every command.
    virtual QList<QCommandLineOption> Options() const { return {}; }
    // Runs on the parsed command line (the command's name is not among the positional arguments).
    virtual int Run(const QCommandLineParser& parser, CliIo& io) const = 0;
};

std::vector<std::unique_ptr<Command>> MakeCommands();
// Runs the tool on argv (without the program name).
int Dispatch(const std::vector<std::string>& argv, CliIo& io);

} // namespace zt46::cli
