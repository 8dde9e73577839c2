#include "cli/Command.h"

#include <algorithm>
#include <ostream>

namespace zt46::cli {
namespace {

void ToolUsage(std::ostream& os) {
    os << "Usage: zt46 COMMAND [OPTIONS] [ARGS]\n"
          "Programming tool for the KSR-410 airband transceiver.\n\nCommands:\n";
    for (const auto& cmd : MakeCommands()) {
        std::string name = cmd->Name();
        name.resize(std::max<std::size_t>(name.size(), 10), ' ');
        os << "  " << name << "  " << cmd->Summary() << '\n';
    }
    os << "\nRun 'zt46 COMMAND --help' for the options of a command.\n"
          "Exit status: 0 success, 1 usage error, 2 file error, 3 link error.\n";
}

bool Contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

} // namespace

bool Arguments::Has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

std::string Arguments::Value(const std::string& name) const {
    for (const auto& o : options) {
        if (o.first == name) return o.second;
    }
    return {};
}

int Dispatch(const std::vector<std::string>& argv, CliIo& io) {
    if (argv.empty()) {
        ToolUsage(io.err);
        return kExitUsage;
    }
    if (argv[0] == "--help" || argv[0] == "-h" || argv[0] == "help") {
        ToolUsage(io.out);
        return kExitOk;
    }
    for (const auto& cmd : MakeCommands()) {
        if (cmd->Name() != argv[0]) continue;
        Arguments args;
        const auto valueOptions = cmd->ValueOptions();
        const auto flagOptions = cmd->FlagOptions();
        for (std::size_t i = 1; i < argv.size(); ++i) {
            const std::string& a = argv[i];
            if (a == "--help" || a == "-h") {
                io.out << cmd->Usage();
                return kExitOk;
            }
            if (a == "--") {
                args.positional.insert(args.positional.end(), argv.begin() + static_cast<long>(i) + 1,
                                       argv.end());
                break;
            }
            if (a.size() > 2 && a.rfind("--", 0) == 0) {
                std::string name = a.substr(2), value;
                const std::size_t eq = name.find('=');
                if (eq != std::string::npos) {
                    value = name.substr(eq + 1);
                    name.resize(eq);
                }
                if (Contains(valueOptions, name)) {
                    if (eq == std::string::npos) {
                        if (i + 1 >= argv.size()) {
                            io.err << "zt46 " << cmd->Name() << ": option --" << name << " needs a value\n";
                            return kExitUsage;
                        }
                        value = argv[++i];
                    }
                } else if (!Contains(flagOptions, name) || eq != std::string::npos) {
                    io.err << "zt46 " << cmd->Name() << ": unknown option " << a << "\n" << cmd->Usage();
                    return kExitUsage;
                }
                args.options.emplace_back(name, value);
                continue;
            }
            args.positional.push_back(a);
        }
        return cmd->Run(args, io);
    }
    io.err << "zt46: unknown command '" << argv[0] << "'\n";
    ToolUsage(io.err);
    return kExitUsage;
}

} // namespace zt46::cli
