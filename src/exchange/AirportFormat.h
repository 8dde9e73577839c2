#pragma once
// The public airport-frequency list (id, airport_ref, airport_ident, type, description, frequency_mhz):
// the rows of the airports the user names become AM channels, tagged with the airport and the service
// ("EGLL TWR").

#include <string>
#include <vector>

#include "exchange/ChannelList.h"
#include "exchange/CsvReader.h"

namespace zt46 {

// The rows of the named airports, airport by airport in the order named; an airport without rows is an
// error. The table holds only their rows already (ReadCsv's filter).
ListResult<std::vector<ListRow>> ReadAirportRows(const CsvTable& table,
                                                 const std::vector<std::string>& airports);

} // namespace zt46
