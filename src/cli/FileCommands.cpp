// info, report and save: commands over clone files.
#include "cli/FileCommands.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <optional>
#include <ostream>

#include "cli/CliDocument.h"
#include "core/image/Codecs.h"
#include "core/report/Report.h"
#include "core/util/TextFormat.h"
#include "report/ReportPdf.h"

namespace zt46::cli {
namespace {

std::optional<std::string> OptionalFile(const std::vector<std::string>& paths) {
    if (paths.empty()) return std::nullopt;
    return paths[0];
}

class InfoCommand : public Command {
public:
    std::string Name() const override { return "info"; }
    std::string Summary() const override { return "show what a clone file (or the built-in image) holds"; }
    std::string Usage() const override {
        return "Usage: zt46 info [FILE]\n"
               "Shows the serial number, product type, firmware version, current mode, the channels in use\n"
               "per group and whether the check value at bytes 2..3 matches. Without FILE, the built-in\n"
               "factory image as loaded.\n";
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        if (!CheckArgumentCount(paths, 0, 1, *this, io)) return kExitUsage;
        CliDocument cli(io);
        if (!cli.Load(OptionalFile(paths))) return kExitFile;
        const Document& doc = cli.document;
        static constexpr const char* kModes[4] = {"VFO", "MR", "Book MR", "WX"};
        const int mode = doc.System().CurrentMode;
        int used[kGroupCount] = {};
        for (int i = 0; i < kChannelCount; ++i) {
            const ChannelEntry& e = doc.Channels().Entry(i);
            used[ChannelTable::GroupOf(i)] += !e.Masked && e.RxHz != 0;
        }
        const std::uint16_t stored = StoredAdjustChecksum(doc.Image());
        const std::uint16_t computed = ComputeAdjustChecksum(doc.Image());
        io.out << "File:             "
               << (paths.empty() ? std::string("built-in factory image") : doc.CurrentFileName()) << '\n'
               << "Serial number:    " << DecodeSerialNumber(doc.Image()) << '\n'
               << "Product type:     KSR-410\n"
               << "Firmware version: " << FormatFirmwareVersion(DecodeFirmwareVersion(doc.Image())) << '\n'
               << "Current mode:     " << (mode >= 0 && mode < 4 ? kModes[mode] : "?") << '\n'
               << Format("Channels in use:  MR %d/%d, Book MR %d/%d, Weather %d/%d\n", used[kGroupMr],
                         kMrCount, used[kGroupBook], kBookCount, used[kGroupWeather], kWeatherCount)
               << Format("Check value:      %s (stored %04X, sum of bytes 94..111 %04X)\n",
                         stored == computed ? "matches" : "does not match", stored, computed);
        return kExitOk;
    }
};

class ReportCommand : public Command {
public:
    std::string Name() const override { return "report"; }
    std::string Summary() const override { return "print the report of a clone file as text or PDF"; }
    std::string Usage() const override {
        return "Usage: zt46 report [FILE] [--pdf OUT.pdf]\n"
               "Writes the report (settings page, then the channel pages, 70 channels to a page) as UTF-8\n"
               "text on stdout; each page after the first starts with a form feed on a line of its own.\n"
               "Without FILE, the built-in factory image as loaded.\n"
               "  --pdf OUT.pdf  write the printed pages into OUT.pdf instead (A4 or Letter after the\n"
               "                 locale), as File > Export PDF... does; nothing goes to stdout\n";
    }
    QList<QCommandLineOption> Options() const override {
        return {QCommandLineOption(QStringLiteral("pdf"), {}, QStringLiteral("OUT.pdf"))};
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        if (!CheckArgumentCount(paths, 0, 1, *this, io)) return kExitUsage;
        const std::string pdf = OptionValue(parser, "pdf");
        if (parser.isSet(QStringLiteral("pdf")) && pdf.empty()) {
            io.err << "zt46 report: option --pdf needs a file name\n" << Usage();
            return kExitUsage;
        }
        CliDocument cli(io);
        if (!cli.Load(OptionalFile(paths))) return kExitFile;
        if (parser.isSet(QStringLiteral("pdf"))) return WritePdf(cli, pdf);
        io.out << ReportText(Report(cli.document).Pages());
        io.out.flush();
        return io.out ? kExitOk : kExitFile;
    }

private:
    static int WritePdf(CliDocument& cli, const std::string& path) {
        // Painting text needs a GUI application; unless told otherwise, a headless one, so this runs
        // without a display.
        static int argc = 1;
        static char name[] = "zt46";
        static char* argv[] = {name, nullptr};
        std::optional<QGuiApplication> app;
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            app.emplace(argc, argv);
        }

        const PdfResult result =
            WriteReportPdf(Report(cli.document), QString::fromStdString(path), DefaultReportPageLayout());
        if (result == PdfResult::Written) return kExitOk;
        return FileNotWritten(cli.prompts, path, result == PdfResult::CannotWrite);
    }
};

class SaveCommand : public Command {
public:
    std::string Name() const override { return "save"; }
    std::string Summary() const override { return "open a clone file and save it as the application does"; }
    std::string Usage() const override {
        return "Usage: zt46 save IN OUT\n"
               "Opens IN with the checks of File > Open and writes OUT as File > Save does (the channels\n"
               "and settings written back, the check value renewed, 4104 bytes). A read-only OUT is not\n"
               "touched.\n";
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> paths = Paths(parser);
        if (!CheckArgumentCount(paths, 2, 2, *this, io)) return kExitUsage;
        CliDocument cli(io);
        if (!cli.Load(paths[0])) return kExitFile;
        cli.document.SetCurrentFileName(paths[1]);
        return cli.document.Save() ? kExitOk : kExitFile;
    }
};

} // namespace

void AddFileCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<ReportCommand>());
    commands.push_back(std::make_unique<SaveCommand>());
}

} // namespace zt46::cli
