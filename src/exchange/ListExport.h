#pragma once
// A document's channels as a list file.

#include <optional>
#include <string>

#include "core/editor/ChannelTable.h"
#include "exchange/ListFormat.h"

namespace zt46 {

class Document;

// The channels as CSV text of the format (UTF-8, CR LF line ends): this program's list holds every
// channel of every group, the generic list the channels in use. nullopt for the airport list, which is
// only read.
std::optional<std::string> ExportList(const ChannelTable& table, const SystemSettings& system,
                                      ListFormat format);
std::optional<std::string> ExportList(const Document& document, ListFormat format);

} // namespace zt46
