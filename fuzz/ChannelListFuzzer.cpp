// Feeds arbitrary bytes through the channel list reader, the import plan and its application, and writes
// the lists back; the first byte chooses the format and the placement.
#include <cstdint>
#include <string_view>

#include "core/document/FactoryImage.h"
#include "core/image/SettingsGroups.h"
#include "exchange/ChannelList.h"
#include "exchange/ImportPlan.h"
#include "exchange/ImportPreview.h"
#include "exchange/ListExport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    zt46::ListReadOptions options;
    if (choice & 3) options.format = static_cast<zt46::ListFormat>((choice & 3) - 1);
    options.airports = {"EGLL", "K1"};
    options.maxRows = 500;
    const zt46::ListResult<zt46::ChannelList> list = zt46::ReadChannelList(bytes, options);
    if (const auto* error = std::get_if<zt46::ListError>(&list)) {
        if (error->Text().empty()) __builtin_trap();
        return 0;
    }

    zt46::CloneImage image = zt46::FactoryImage();
    zt46::SystemSettings system;
    system.Load(image);
    system.WeatherBand = (choice >> 2) & 1;
    system.RxExpansion = (choice >> 3) & 1;
    zt46::ChannelTable table;
    table.Load(image, system);
    const zt46::ImportPlacement placement{(choice >> 4) & 1 ? zt46::kGroupBook : zt46::kGroupMr,
                                          (choice >> 5) * 20, ((choice >> 6) & 1) != 0, (choice >> 7) == 0};
    const zt46::ImportPlan plan =
        zt46::PlanImport(table, system, std::get<zt46::ChannelList>(list), placement);
    if (zt46::FormatPreview(plan).empty()) __builtin_trap();
    if (zt46::ApplyImport(table, system, plan) == zt46::ApplyStatus::Stale) __builtin_trap();
    table.Store(image, system);
    if (!zt46::ExportList(table, system, zt46::ListFormat::Zt46) ||
        !zt46::ExportList(table, system, zt46::ListFormat::Generic)) {
        __builtin_trap();
    }
    return 0;
}
