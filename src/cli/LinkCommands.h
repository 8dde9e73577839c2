#pragma once

#include <memory>
#include <vector>

#include "cli/Command.h"
#include "core/image/CloneImage.h"

namespace zt46::cli {

// upload and download: the clone transfers with a radio on a serial device.
void AddLinkCommands(std::vector<std::unique_ptr<Command>>& commands);
// The radio's memory over DEVICE, read as upload reads it (progress bar, Ctrl+C, the messages on
// stderr) without writing anything: kExitOk, or kExitLink after the message.
int ReadRadioMemory(CliIo& io, const std::string& device, CloneImage& memory);

} // namespace zt46::cli
