#include "cli/Command.h"
#include "cli/Version.h"

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
    os << "\nRun 'zt46 COMMAND --help' for the options of a command; 'zt46 --version' prints the version.\n"
          "Exit status: 0 success, 1 usage error, 2 file error, 3 link error (also: the radio does not hold\n"
          "what was written), 4 done, but not all of it was equal or taken (diff found differences,\n"
          "import refused rows).\n";
}

const QCommandLineOption& HelpOption() {
    static const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    return help;
}

bool TakesValue(const Command& cmd, const QString& name) {
    const QList<QCommandLineOption> options = cmd.Options();
    return std::any_of(options.begin(), options.end(), [&](const QCommandLineOption& o) {
        return o.names().contains(name) && !o.valueName().isEmpty();
    });
}

// The option an argument names: "pdf" of "--pdf" and "--pdf=x", "o" of "-o".
QString OptionName(const QString& argument) {
    if (argument.startsWith(QLatin1String("--"))) return argument.mid(2).section(QLatin1Char('='), 0, 0);
    return argument.mid(1, 1);
}

// The first option, as typed, that the parser did not know or that is a flag given a value.
QString RefusedOption(const QStringList& arguments, const QStringList& unknown, const Command& cmd) {
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--")) break;
        if (a.startsWith(QLatin1String("--"))) {
            const QString name = OptionName(a);
            if (unknown.contains(name) || (a.contains(QLatin1Char('=')) && !TakesValue(cmd, name))) return a;
        } else if (a.startsWith(QLatin1Char('-'))) {
            for (const QChar c : a.mid(1)) {
                if (unknown.contains(QString(c))) return QLatin1Char('-') + c;
                if (TakesValue(cmd, QString(c))) break; // the rest is its value
            }
        }
    }
    return arguments.last();
}

// A command line the parser refused: an option left without its value (only the last argument can
// be) is named alone; an unknown option, or a flag given a value, is named with the command's usage.
int RefuseOptions(const QCommandLineParser& parser, const QStringList& arguments, const Command& cmd,
                  CliIo& io) {
    const std::string prefix = "zt46 " + cmd.Name() + ": ";
    const QStringList unknown = parser.unknownOptionNames();
    const QString last = arguments.last();
    if (unknown.isEmpty() && last.startsWith(QLatin1Char('-')) && !last.contains(QLatin1Char('=')) &&
        TakesValue(cmd, OptionName(last))) {
        io.err << prefix << "option " << last.toStdString() << " needs a value\n";
        return kExitUsage;
    }
    io.err << prefix << "unknown option " << RefusedOption(arguments, unknown, cmd).toStdString() << '\n'
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
    const QCommandLineOption version(QStringLiteral("version"));
    tool.addOption(version);
    const bool parsed = tool.parse(arguments);
    const QStringList rest = tool.positionalArguments();
    if (parsed && tool.isSet(version) && rest.isEmpty()) {
        io.out << VersionText();
        return kExitOk;
    }
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
