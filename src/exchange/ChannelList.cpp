#include "exchange/ChannelList.h"

#include <filesystem>
#include <fstream>

#include "core/util/TextFormat.h"
#include "exchange/AirportFormat.h"
#include "exchange/CsvReader.h"
#include "exchange/GenericFormat.h"
#include "exchange/TextDecoding.h"
#include "exchange/Zt46Format.h"

namespace zt46 {
namespace {

namespace fs = std::filesystem;

ListError TooLarge(std::size_t maxBytes) {
    return ListError{ListErrorKind::TooLarge,
                     0,
                     0,
                     {},
                     Format("the file is larger than %zu MB", maxBytes / (1024 * 1024))};
}

std::vector<std::string> HeaderOf(ListFormat format) {
    switch (format) {
    case ListFormat::Zt46:
        return {std::begin(kZt46Header), std::end(kZt46Header)};
    case ListFormat::Generic:
        return {std::begin(kGenericHeader), std::end(kGenericHeader)};
    case ListFormat::Airports:
        return {std::begin(kAirportHeader), std::end(kAirportHeader)};
    }
    return {};
}

// The format the header is read as, and that it has the columns the format cannot do without.
ListResult<ListFormat> CheckHeader(const CsvTable& table, std::optional<ListFormat> chosen) {
    const std::optional<ListFormat> format = chosen ? chosen : DetectListFormat(table.header);
    if (!format) {
        return ListError{ListErrorKind::NoFrequencyColumn,
                         table.headerLine,
                         0,
                         {},
                         "the header has no frequency column (Frequency, Receive or frequency_mhz)"};
    }
    std::vector<const char*> needed{FrequencyColumnOf(*format)};
    if (*format == ListFormat::Airports) needed.push_back("airport_ident");
    for (const char* name : needed) {
        if (table.Column(name) < 0) {
            return ListError{
                ListErrorKind::NoFrequencyColumn,
                table.headerLine,
                0,
                {},
                Format("the header has no column %s, which a %s list needs", name, ListFormatName(*format))};
        }
    }
    // A column of the format named twice would leave it open which one counts.
    for (const std::string& name : HeaderOf(*format)) {
        const int first = table.Column(name);
        for (std::size_t i = static_cast<std::size_t>(first) + 1; first >= 0 && i < table.header.size();
             ++i) {
            if (SameName(table.header[i], name)) {
                return ListError{ListErrorKind::DuplicateColumn, table.headerLine, static_cast<int>(i) + 1,
                                 table.header[i], "the header names this column twice"};
            }
        }
    }
    return *format;
}

} // namespace

const char* RefusalText(RowRefusal refusal) {
    switch (refusal) {
    case RowRefusal::None:
        return "";
    case RowRefusal::NoFrequency:
        return "no frequency";
    case RowRefusal::OutOfRange:
        return "receive frequency outside the radio's range";
    case RowRefusal::NotAm:
        return "not an AM frequency";
    case RowRefusal::NoSuchChannel:
        return "no such channel";
    case RowRefusal::DuplicateSlot:
        return "duplicate slot";
    case RowRefusal::GroupFull:
        return "group full";
    case RowRefusal::ChannelInUse:
        return "channel in use";
    case RowRefusal::UnsupportedMode:
        return "mode not AM or FM";
    case RowRefusal::WeatherFrequency:
        return "a weather channel keeps its frequency";
    }
    return "";
}

ListResult<ChannelList> ReadChannelList(std::string_view bytes, const ListReadOptions& options) {
    if (bytes.size() > options.maxBytes) return TooLarge(options.maxBytes);
    ListResult<std::string> text = DecodeListText(bytes);
    if (auto* error = std::get_if<ListError>(&text)) return *error;

    // In an airport list only the named airports' rows are kept (none when no airport is named).
    RowFilter filter;
    if (!options.format || *options.format == ListFormat::Airports) {
        filter.column = "airport_ident";
        filter.values = options.airports;
    }
    if (!options.format) {
        filter.appliesTo = [](const std::vector<std::string>& header) {
            return DetectListFormat(header) == ListFormat::Airports;
        };
    }
    ListResult<CsvTable> csv = ReadCsv(std::get<std::string>(text), options.maxRows, filter);
    if (auto* error = std::get_if<ListError>(&csv)) return *error;
    const CsvTable& table = std::get<CsvTable>(csv);

    const ListResult<ListFormat> format = CheckHeader(table, options.format);
    if (auto* error = std::get_if<ListError>(&format)) return *error;
    ChannelList list;
    list.format = std::get<ListFormat>(format);
    ListResult<std::vector<ListRow>> rows = list.format == ListFormat::Zt46 ? ReadZt46Rows(table)
                                            : list.format == ListFormat::Generic
                                                ? ReadGenericRows(table)
                                                : ReadAirportRows(table, options.airports);
    if (auto* error = std::get_if<ListError>(&rows)) return *error;
    list.rows = std::move(std::get<std::vector<ListRow>>(rows));
    return list;
}

ListResult<std::string> ReadListBytes(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return ListError{ListErrorKind::Unreadable, 0, 0, {}, "cannot read " + path + ": a folder"};
    const auto size = fs::file_size(path, ec);
    if (!ec && size > maxBytes) return TooLarge(maxBytes);
    std::ifstream in(path, std::ios::binary);
    if (!in) return ListError{ListErrorKind::Unreadable, 0, 0, {}, "cannot open " + path};
    // Read in pieces up to one byte past the limit: a file that grows, or a pipe, is never read whole.
    std::string bytes;
    char piece[65536];
    while (in && bytes.size() <= maxBytes) {
        in.read(piece, sizeof piece);
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return ListError{ListErrorKind::Unreadable, 0, 0, {}, "cannot read " + path};
    if (bytes.size() > maxBytes) return TooLarge(maxBytes);
    return bytes;
}

ListResult<ChannelList> ReadChannelListFile(const std::string& path, const ListReadOptions& options) {
    ListResult<std::string> bytes = ReadListBytes(path, options.maxBytes);
    if (auto* error = std::get_if<ListError>(&bytes)) return *error;
    return ReadChannelList(std::get<std::string>(bytes), options);
}

std::vector<std::string> SplitAirports(std::string_view text) {
    std::vector<std::string> airports;
    std::string current;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == ';' || c == '\t') {
            if (!current.empty()) airports.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) airports.push_back(std::move(current));
    return airports;
}

} // namespace zt46
