// export and import: channel lists out of and into clone files, through the same library as File >
// Export... and File > Import... of the desktop program.
#include "cli/ListCommands.h"

#include <QCommandLineParser>
#include <QSaveFile>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "cli/CliDocument.h"
#include "exchange/ChannelList.h"
#include "exchange/ImportPlan.h"
#include "exchange/ImportPreview.h"
#include "exchange/ListExport.h"

namespace zt46::cli {
namespace {

namespace fs = std::filesystem;

QCommandLineOption FormatOption() {
    return QCommandLineOption(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
}

// Whether both paths name one file (through links and other spellings).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// Writes the text into the file whole or not at all; kExitFile after the system's message.
int WriteTextFile(const std::string& path, const std::string& text, UserPrompts& prompts) {
    QSaveFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly)) return FileNotWritten(prompts, path, false);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit() ? kExitOk : FileNotWritten(prompts, path, true);
}

class ExportCommand : public Command {
public:
    std::string Name() const override { return "export"; }
    std::string Summary() const override { return "write the channels of a clone file as a channel list"; }
    std::string Usage() const override {
        return "Usage: zt46 export FILE [--format zt46|generic] [-o OUT.csv]\n"
               "Writes the channels of the clone FILE as a channel list (CSV, UTF-8) on stdout, as File >\n"
               "Export... does.\n"
               "  --format zt46     this program's list (the default): every channel of every group with\n"
               "                    its group, number and mask, as the grid shows it; zt46 import gives\n"
               "                    back the same channels\n"
               "  --format generic  the generic channel list of the common multi-radio programming tool:\n"
               "                    the channels in use, Location 1-150 MR, 151-250 Book, 251-260 WX\n"
               "  -o OUT.csv        write OUT.csv instead (whole or not at all)\n";
    }
    QList<QCommandLineOption> Options() const override { return {FormatOption(), OutputOption("OUT.csv")}; }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        if (!CheckArgumentCount(paths, 1, 1, *this, io)) return kExitUsage;
        ListFormat format = ListFormat::Zt46;
        if (parser.isSet(QStringLiteral("format"))) {
            const std::optional<ListFormat> named = ListFormatFromName(OptionValue(parser, "format"));
            if (!named || *named == ListFormat::Airports) {
                io.err << "zt46 export: --format takes zt46 or generic\n" << Usage();
                return kExitUsage;
            }
            format = *named;
        }
        const std::string output = OptionValue(parser, "output");
        if (parser.isSet(QStringLiteral("output")) && output.empty()) {
            io.err << "zt46 export: option -o needs a file name\n" << Usage();
            return kExitUsage;
        }
        CliDocument cli(io);
        if (!cli.Load(paths[0])) return kExitFile;
        const std::string text = ExportList(cli.document, format).value_or(std::string());
        if (!output.empty()) return WriteTextFile(output, text, cli.prompts);
        io.out << text;
        io.out.flush();
        return io.out ? kExitOk : kExitFile;
    }
};

class ImportCommand : public Command {
public:
    std::string Name() const override { return "import"; }
    std::string Summary() const override { return "put the rows of a channel list into a new clone file"; }
    std::string Usage() const override {
        return "Usage: zt46 import FILE LIST.csv -o OUT.t46 [--format auto|zt46|generic|airports]\n"
               "                   [--airports IDENTS] [--group MR|Book] [--from N] [--replace]\n"
               "                   [--ignore-slots] [--dry-run]\n"
               "Reads the channel list LIST.csv, puts its rows into the channels of the clone FILE as\n"
               "File > Import... does, and writes the result to OUT.t46 (whole or not at all; FILE is never\n"
               "changed). A row goes to the channel it names, or else to the next masked channel of the\n"
               "group from the first channel on; a row that would change a channel in use is refused.\n"
               "The refused rows go to stderr with their line and reason; the others are written.\n"
               "  --format FORMAT    auto (the default: the header tells), zt46 (this program's list),\n"
               "                     generic (the generic channel list) or airports (airport frequencies)\n"
               "  --airports IDENTS  the airports to take from an airport list, such as \"EGLL EGKK\"\n"
               "  --group MR|Book    the group of the rows that name no channel (MR when not given)\n"
               "  --from N           the first channel of that group they may take (1 when not given)\n"
               "  --replace          rows may change channels in use; rows that name no channel then\n"
               "                     take the channels from N on, one after another\n"
               "  --ignore-slots     place every row from N on, also the rows that name a channel\n"
               "  --dry-run          print the preview on stdout (each row, the channel it goes to, its\n"
               "                     cells as the grid will show them, the outcome) and write nothing\n"
               "Exit status 0 when every row was taken, 4 when some were refused, 2 when a file cannot be\n"
               "read (a bad list is named by its line and column) or OUT.t46 cannot be written.\n";
    }
    QList<QCommandLineOption> Options() const override {
        return {OutputOption("OUT.t46"),
                FormatOption(),
                QCommandLineOption(QStringLiteral("airports"), {}, QStringLiteral("IDENTS")),
                QCommandLineOption(QStringLiteral("group"), {}, QStringLiteral("GROUP")),
                QCommandLineOption(QStringLiteral("from"), {}, QStringLiteral("N")),
                QCommandLineOption(QStringLiteral("replace")),
                QCommandLineOption(QStringLiteral("ignore-slots")),
                QCommandLineOption(QStringLiteral("dry-run"))};
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        if (!CheckArgumentCount(paths, 2, 2, *this, io)) return kExitUsage;
        const std::string& file = paths[0];
        const std::string& listPath = paths[1];
        const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
        const std::string output = OptionValue(parser, "output");

        ListReadOptions read;
        ImportPlacement placement;
        if (const std::string refused = TakeOptions(parser, read, placement); !refused.empty()) {
            io.err << "zt46 import: " << refused << '\n' << Usage();
            return kExitUsage;
        }
        if (!dryRun && output.empty()) {
            io.err << "zt46 import: name the new clone file with -o OUT.t46\n" << Usage();
            return kExitUsage;
        }
        if (!dryRun && (SameFile(output, file) || SameFile(output, listPath))) {
            io.err << "zt46 import: OUT.t46 must be a file of its own: import never changes FILE or "
                      "LIST.csv\n";
            return kExitUsage;
        }

        CliDocument cli(io);
        if (!cli.Load(file)) return kExitFile;
        const ListResult<ChannelList> list = ReadChannelListFile(listPath, read);
        if (const auto* error = std::get_if<ListError>(&list)) {
            io.err << "zt46 import: " << listPath << ": " << error->Text() << '\n';
            if (error->kind != ListErrorKind::NoAirports) return kExitFile;
            io.err << "zt46 import: name them with --airports\n";
            return kExitUsage;
        }
        const ImportPlan plan = PlanImport(cli.document, std::get<ChannelList>(list), placement);

        std::istringstream refusals(FormatRefusals(plan));
        for (std::string line; std::getline(refusals, line);)
            io.err << "zt46 import: " << listPath << ": " << line << '\n';
        const int status = plan.RefusedCount() > 0 ? kExitPartial : kExitOk;
        if (dryRun) {
            io.out << FormatPreview(plan);
            io.out.flush();
            return io.out ? status : kExitFile;
        }
        ApplyImport(cli.document, plan);
        cli.document.SetCurrentFileName(output);
        if (!cli.document.Save()) return kExitFile;
        io.out << PlanSummary(plan) << '\n';
        return status;
    }

private:
    // The read and placement options of the command line; what is wrong with them, or nothing.
    static std::string TakeOptions(const QCommandLineParser& parser, ListReadOptions& read,
                                   ImportPlacement& placement) {
        const std::string format = OptionValue(parser, "format");
        if (parser.isSet(QStringLiteral("format")) && format != "auto") {
            read.format = ListFormatFromName(format);
            if (!read.format) return "--format takes auto, zt46, generic or airports";
        }
        read.airports = SplitAirports(OptionValue(parser, "airports"));
        if (read.format == ListFormat::Airports && read.airports.empty())
            return "an airport list needs --airports IDENTS";
        if (parser.isSet(QStringLiteral("group"))) {
            const std::optional<int> group = GroupFromListName(OptionValue(parser, "group"));
            if (group != kGroupMr && group != kGroupBook) return "--group takes MR or Book";
            placement.group = *group;
        }
        if (parser.isSet(QStringLiteral("from"))) {
            bool ok = false;
            const int from = parser.value(QStringLiteral("from")).toInt(&ok);
            const int size = ChannelTable::GroupSize(placement.group);
            if (!ok || from < 1 || from > size) {
                return "--from takes a channel of " + std::string(GroupListName(placement.group)) +
                       ", 1 to " + std::to_string(size);
            }
            placement.from = from;
        }
        placement.replace = parser.isSet(QStringLiteral("replace"));
        placement.useListedSlots = !parser.isSet(QStringLiteral("ignore-slots"));
        return {};
    }
};

} // namespace

void AddListCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<ImportCommand>());
}

} // namespace zt46::cli
