// diff A B: the lines of File > Compare for two clone files, or a clone file and the radio.
#include "cli/DiffCommand.h"

#include <QCommandLineParser>
#include <ostream>

#include "cli/CliDocument.h"
#include "cli/LinkCommands.h"
#include "core/document/ImageCompare.h"

namespace zt46::cli {
namespace {

constexpr std::string_view kRadioPrefix = "radio:";

class DiffCommand : public Command {
public:
    std::string Name() const override { return "diff"; }
    std::string Summary() const override { return "compare two clone files, or a clone file and the radio"; }
    std::string Usage() const override {
        return "Usage: zt46 diff A B\n"
               "Compares A with B as File > Compare does and prints one line per difference, from A to B,\n"
               "in the words of the grid and the dialogs (\"MR 12 / TAG: TOWER \xE2\x86\x92 GROUND\"), then "
               "a\n"
               "summary line. A and B are clone files (opened with the checks of File > Open) or\n"
               "radio:DEVICE, the radio's memory read over the serial DEVICE (nothing is written to it).\n"
               "Exit status: 0 identical, 4 different, 2 a file problem, 3 a link problem.\n";
    }
    int Run(const QCommandLineParser& parser, CliIo& io) const override {
        const std::vector<std::string> args = Paths(parser);
        if (!CheckArgumentCount(args, 2, 2, *this, io)) return kExitUsage;
        CloneImage images[2];
        for (int i = 0; i < 2; ++i) {
            const int status = Load(args[static_cast<std::size_t>(i)], images[i], io);
            if (status != kExitOk) return status;
        }
        const std::vector<ImageDifference> differences = CompareImages(images[0], images[1]);
        for (const ImageDifference& d : differences)
            io.out << d.line << '\n';
        io.out << CompareSummary(differences) << '\n';
        io.out.flush();
        return differences.empty() ? kExitOk : kExitPartial;
    }

private:
    // A clone file or the radio, as the program would load it.
    static int Load(const std::string& source, CloneImage& image, CliIo& io) {
        if (source.rfind(kRadioPrefix, 0) == 0) {
            const std::string device = source.substr(kRadioPrefix.size());
            if (device.empty()) {
                io.err << "zt46 diff: radio: needs a DEVICE (radio:/dev/ttyUSB0)\n";
                return kExitUsage;
            }
            const int status = ReadRadioMemory(io, device, image);
            if (status == kExitOk) image = AsLoaded(image);
            return status;
        }
        CliDocument cli(io);
        if (!cli.Load(source)) return kExitFile;
        cli.document.ModelsToImage();
        image = cli.document.Image();
        return kExitOk;
    }
};

} // namespace

void AddDiffCommand(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<DiffCommand>());
}

} // namespace zt46::cli
