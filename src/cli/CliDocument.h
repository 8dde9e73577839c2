#pragma once
// A document for one command-line run: working directory as start-up would take it, prompts on stderr.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliPrompts.h"
#include "cli/Command.h"
#include "core/document/Document.h"

namespace zt46::cli {

struct CliDocument {
    explicit CliDocument(CliIo& io);
    CliPrompts prompts;
    NoFileDialogs dialogs;
    Document document;

    // The named clone file with the checks of File > Open, or the built-in image as loaded when no
    // file is named (nothing is written). False after the file's message.
    bool Load(const std::optional<std::string>& path);
};

// The positional arguments of a command as paths.
std::vector<std::string> Paths(const QCommandLineParser& parser);
// The value of an option in the local encoding, as Paths gives the arguments; empty when not given.
std::string OptionValue(const QCommandLineParser& parser, const char* name);
// -o/--output with the value name of the command's usage ("OUT.csv", "FILE").
QCommandLineOption OutputOption(const char* valueName);
// The system's message for a file that could not be created (`opened` false) or not written whole;
// returns kExitFile.
int FileNotWritten(UserPrompts& prompts, const std::string& path, bool opened);
// Argument count check shared by the commands: prints the usage and returns false when out of range.
bool CheckArgumentCount(const std::vector<std::string>& paths, std::size_t min, std::size_t max,
                        const Command& cmd, CliIo& io);

} // namespace zt46::cli
