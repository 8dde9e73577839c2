#include "cli/Command.h"

#include <QCommandLineParser>
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

const QCommandLineOption& HelpOption() {
    static const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    return help;
}

// The argument (as typed) that names an option: "--name", "--name=value", or a run of short options
// holding its letter. Options end at "--".
QString TypedOption(const QStringList& arguments, const QString& name) {
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--")) break;
        if (a.startsWith(QLatin1String("--"))) {
            if (a.mid(2).section(QLatin1Char('='), 0, 0) == name) return a;
        } else if (a.startsWith(QLatin1Char('-')) && name.size() == 1 && a.indexOf(name, 1) > 0) {
            return QLatin1Char('-') + name;
        }
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool TakesValue(const Command& cmd, const QString& name) {
    const QList<QCommandLineOption> options = cmd.Options();
    return std::any_of(options.begin(), options.end(), [&](const QCommandLineOption& o) {
        return o.names().contains(name) && !o.valueName().isEmpty();
    });
}

// What a command line the parser refused gets: an unknown option (or a flag given a value) is named
// with the command's usage; an option left without its value (the last argument) is named alone.
int RefuseOptions(const QCommandLineParser& parser, const QStringList& arguments, const Command& cmd,
                  CliIo& io) {
    const std::string prefix = "zt46 " + cmd.Name() + ": ";
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        const QString last = arguments.last();
        const QString name = last.startsWith(QLatin1String("--")) ? last.mid(2) : last.right(1);
        if (!last.contains(QLatin1Char('=')) && TakesValue(cmd, name)) {
            io.err << prefix << "option " << last.toStdString() << " needs a value\n";
            return kExitUsage;
        }
        // A flag given a value.
        for (const QString& a : arguments.mid(1)) {
            if (a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('=')) &&
                !TakesValue(cmd, a.mid(2).section(QLatin1Char('='), 0, 0))) {
                io.err << prefix << "unknown option " << a.toStdString() << '\n' << cmd.Usage();
                return kExitUsage;
            }
        }
        io.err << prefix << parser.errorText().toStdString() << '\n' << cmd.Usage();
        return kExitUsage;
    }
    io.err << prefix << "unknown option " << TypedOption(arguments, unknown.first()).toStdString() << '\n'
           << cmd.Usage();
    return kExitUsage;
}

} // namespace

int Dispatch(const std::vector<std::string>& argv, CliIo& io) {
    QStringList arguments{QStringLiteral("zt46")};
    for (const std::string& a : argv)
        arguments << QString::fromLocal8Bit(a);

    // Up to the command's name the tool's own options; the rest belongs to the command.
    QCommandLineParser tool;
    tool.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    tool.addOption(HelpOption());
    const bool parsed = tool.parse(arguments);
    const QStringList rest = tool.positionalArguments();
    if (tool.isSet(HelpOption()) || (parsed && rest.value(0) == QLatin1String("help"))) {
        ToolUsage(io.out);
        return kExitOk;
    }
    if (parsed && rest.isEmpty()) {
        ToolUsage(io.err);
        return kExitUsage;
    }
    // An option before the command is taken for a command, as any other word that names none.
    const QString word = parsed ? rest.front() : arguments.at(1);
    for (const auto& cmd : MakeCommands()) {
        if (!parsed || QString::fromStdString(cmd->Name()) != word) continue;
        QCommandLineParser parser; // takes the command's name for the program's
        parser.addOption(HelpOption());
        parser.addOptions(cmd->Options());
        const bool ok = parser.parse(rest);
        if (parser.isSet(HelpOption())) {
            io.out << cmd->Usage();
            return kExitOk;
        }
        if (!ok) return RefuseOptions(parser, rest, *cmd, io);
        return cmd->Run(parser, io);
    }
    io.err << "zt46: unknown command '" << word.toStdString() << "'\n";
    ToolUsage(io.err);
    return kExitUsage;
}

} // namespace zt46::cli
