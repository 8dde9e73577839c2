#pragma once
// The generic channel list of the common multi-radio programming tool: "Location" is the channel over all
// groups (1-150 MR, 151-250 Book, 251-260 WX), "Frequency" and "Offset" are MHz, "Duplex" gives the
// transmit frequency, "Skip" S leaves a channel out of scanning. What this radio has not (tones, codes)
// is written with the tool's neutral values, so the list opens there unchanged.

#include <string>
#include <vector>

#include "core/editor/ChannelTable.h"
#include "exchange/ChannelList.h"
#include "exchange/CsvReader.h"

namespace zt46 {

ListResult<std::vector<ListRow>> ReadGenericRows(const CsvTable& table);
// The channels in use; the weather channels while the weather band is on.
std::string WriteGenericList(const ChannelTable& table, const BandContext& band);

} // namespace zt46
