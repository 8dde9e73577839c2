#include "exchange/ListExport.h"

#include "core/document/Document.h"
#include "exchange/GenericFormat.h"
#include "exchange/Zt46Format.h"

namespace zt46 {

std::optional<std::string> ExportList(const ChannelTable& table, const SystemSettings& system,
                                      ListFormat format) {
    const BandContext band = table.Bands(system);
    switch (format) {
    case ListFormat::Zt46:
        return WriteZt46List(table, band);
    case ListFormat::Generic:
        return WriteGenericList(table, band);
    case ListFormat::Airports:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> ExportList(const Document& document, ListFormat format) {
    return ExportList(document.Channels(), document.System(), format);
}

} // namespace zt46
