#include "exchange/ListFormat.h"

#include <algorithm>

#include "core/editor/ChannelTable.h"
#include "exchange/CsvReader.h"

namespace zt46 {
namespace {

bool Has(const std::vector<std::string>& header, std::string_view name) {
    return std::any_of(header.begin(), header.end(), [&](const std::string& h) { return SameName(h, name); });
}

constexpr ListFormat kFormats[] = {ListFormat::Zt46, ListFormat::Generic, ListFormat::Airports};

} // namespace

const char* ListFormatName(ListFormat format) {
    switch (format) {
    case ListFormat::Zt46:
        return "zt46";
    case ListFormat::Generic:
        return "generic";
    case ListFormat::Airports:
        return "airports";
    }
    return "";
}

std::optional<ListFormat> ListFormatFromName(std::string_view name) {
    for (ListFormat f : kFormats) {
        if (SameName(name, ListFormatName(f))) return f;
    }
    return std::nullopt;
}

const char* GroupListName(int group) {
    switch (group) {
    case kGroupMr:
        return "MR";
    case kGroupBook:
        return "Book";
    default:
        return "WX";
    }
}

std::optional<int> GroupFromListName(std::string_view name) {
    for (int group = 0; group < kGroupCount; ++group) {
        if (SameName(name, GroupListName(group))) return group;
    }
    return std::nullopt;
}

const char* FrequencyColumnOf(ListFormat format) {
    switch (format) {
    case ListFormat::Zt46:
        return kZt46Header[kZt46Receive];
    case ListFormat::Generic:
        return "Frequency";
    case ListFormat::Airports:
        return "frequency_mhz";
    }
    return "";
}

std::optional<ListFormat> DetectListFormat(const std::vector<std::string>& header) {
    if (Has(header, "airport_ident") && Has(header, FrequencyColumnOf(ListFormat::Airports))) {
        return ListFormat::Airports;
    }
    if (Has(header, FrequencyColumnOf(ListFormat::Zt46))) return ListFormat::Zt46;
    if (Has(header, FrequencyColumnOf(ListFormat::Generic))) return ListFormat::Generic;
    return std::nullopt;
}

} // namespace zt46
