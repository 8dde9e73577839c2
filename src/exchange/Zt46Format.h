#pragma once
// This program's own list: one row per channel of every group, each grid column under its header name,
// with the group, the channel number and the masked state. Written and read back, it gives the same
// channels.

#include <string>
#include <vector>

#include "core/editor/ChannelTable.h"
#include "exchange/ChannelList.h"
#include "exchange/CsvReader.h"

namespace zt46 {

ListResult<std::vector<ListRow>> ReadZt46Rows(const CsvTable& table);
// All 260 channels, masked ones included, as the grid shows them.
std::string WriteZt46List(const ChannelTable& table, const BandContext& band);

} // namespace zt46
