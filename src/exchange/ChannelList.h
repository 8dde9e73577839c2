#pragma once
// A channel list read from a file: each row's values as the channel will take them, or why the format
// refuses the row. Reading checks the file as a whole; a list with an error is never half read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ListError.h"
#include "exchange/ListFormat.h"

namespace zt46 {

// Why a row does not become a channel.
enum class RowRefusal {
    None,
    NoFrequency,      // the row has no receive frequency
    OutOfRange,       // the receive frequency lies outside the radio's bands
    NotAm,            // an airport's frequency the radio receives in FM only
    NoSuchChannel,    // the row names a slot the radio does not have
    DuplicateSlot,    // an earlier row names the same slot
    GroupFull,        // no slot left in the chosen group
    ChannelInUse,     // the row would change a channel in use, and replacing was not chosen
    UnsupportedMode,  // a mode other than AM and FM
    WeatherFrequency, // a weather channel's row with another frequency: weather channels keep theirs
};

// "receive frequency outside the radio's range", "group full", ...
const char* RefusalText(RowRefusal refusal);

// One row of a list. A value the row leaves open (nullopt) keeps what the channel holds.
struct ListRow {
    int line = 0;           // the line of the file the row begins on
    std::string listedName; // the row's name and frequency as the file writes them (for the preview)
    std::string listedFrequency;
    std::optional<int> index; // the channel the row names (0..259); nullopt: placed by the import options
    RowRefusal refusal = RowRefusal::None; // refused by the format itself
    std::string refusalDetail;             // what the refusal is about ("Location 300", "USB")

    std::optional<std::int64_t> rxHz; // nullopt: no frequency
    std::optional<int> amStep;        // 0 "8.33k", 1 "25k"; applied to an AM channel
    std::optional<int> fmStep;        // 0..6 "5k" .. "50k"; applied to an FM channel
    std::optional<bool> split;
    std::optional<std::int64_t> txHz;
    std::optional<std::string> tag; // made as the grid makes one
    std::optional<bool> clockShift; // as the grid shows them: true is "v"
    std::optional<bool> tagDisplay;
    std::optional<bool> scan;
    std::optional<bool> masked;
    std::optional<int> listedMode; // the mode the file gives; the channel's mode follows its frequency
    bool amOnly = false;           // refused unless the frequency makes an AM channel
};

struct ChannelList {
    ListFormat format = ListFormat::Generic;
    std::vector<ListRow> rows;
};

inline constexpr std::size_t kMaxListBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxListRows = 10000;

struct ListReadOptions {
    std::optional<ListFormat> format;  // nullopt: the header tells
    std::vector<std::string> airports; // the airports to take from an airport list ("EGLL", "EGKK")
    std::size_t maxBytes = kMaxListBytes;
    std::size_t maxRows = kMaxListRows;
};

ListResult<ChannelList> ReadChannelList(std::string_view bytes, const ListReadOptions& options);
// The bytes of a list file, refused by its size before a byte is read; a file that grows, or a pipe, is
// never read past the limit. For a caller that reads the same list again with other options.
ListResult<std::string> ReadListBytes(const std::string& path, std::size_t maxBytes = kMaxListBytes);
// ReadListBytes, then ReadChannelList.
ListResult<ChannelList> ReadChannelListFile(const std::string& path, const ListReadOptions& options);

// The airports of a text such as "EGLL EGKK" or "EGLL,EGKK".
std::vector<std::string> SplitAirports(std::string_view text);

} // namespace zt46
