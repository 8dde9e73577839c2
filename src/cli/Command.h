#pragma once
// The zt46 command-line tool: one small class per subcommand behind one list.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace zt46::cli {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFile = 2;
constexpr int kExitLink = 3;

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// Arguments of one command: positional arguments and "--name value" / "--flag" options.
struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options; // value empty for flags
    bool Has(const std::string& name) const;
    std::string Value(const std::string& name) const;
};

class Command {
public:
    virtual ~Command() = default;
    virtual std::string Name() const = 0;
    virtual std::string Summary() const = 0;
    virtual std::string Usage() const = 0; // the full --help text of the command
    // Options that take a value (all others are flags).
    virtual std::vector<std::string> ValueOptions() const { return {}; }
    virtual std::vector<std::string> FlagOptions() const { return {}; }
    virtual int Run(const Arguments& args, CliIo& io) const = 0;
};

std::vector<std::unique_ptr<Command>> MakeCommands();
// Runs the tool on argv (without the program name).
int Dispatch(const std::vector<std::string>& argv, CliIo& io);

} // namespace zt46::cli
