#pragma once
// A document on the factory image (every channel masked but MR 1 and Book 1, all AM 25k at 118.000), with
// the weather channels on their usual frequencies, and short ways to read a list and plan its import.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "exchange/ChannelList.h"
#include "exchange/GridView.h"
#include "exchange/ImportPlan.h"
#include "support/TestSupport.h"

namespace zt46::exchange_test {

struct ImportFixture : test::DocFixture {
    explicit ImportFixture(int weatherBand = 0, int rxExpansion = 0) {
        doc.LoadFactoryImage();
        doc.System().WeatherBand = weatherBand;
        doc.System().RxExpansion = rxExpansion;
        for (int i = 0; i < kWeatherCount; ++i) {
            ChannelEntry& e = doc.Channels().Entry(kFirstWeatherIndex + i);
            e.Mode = kModeWx;
            e.RxHz = 162400000 + 25000 * i;
            e.RxDisplay = (e.RxHz / 1000) / 1000.0;
        }
    }

    ChannelList Read(std::string_view text, ListReadOptions options = {}) {
        ListResult<ChannelList> list = ReadChannelList(text, options);
        if (const auto* error = std::get_if<ListError>(&list)) {
            ADD_FAILURE() << "list refused: " << error->Text();
            return {};
        }
        return std::get<ChannelList>(list);
    }
    ImportPlan Plan(std::string_view text, ImportPlacement placement = {}, ListReadOptions options = {}) {
        return PlanImport(doc, Read(text, options), placement);
    }
    GridRowTexts Cells(int index) {
        ChannelTable copy = doc.Channels();
        return GridTexts(copy, doc.Bands(), index);
    }
};

// The error of a list that must be refused (a default error, after a failure, when it is read).
template <typename T> ListError ErrorOf(const ListResult<T>& result) {
    if (const auto* error = std::get_if<ListError>(&result)) return *error;
    ADD_FAILURE() << "the list was read";
    return {};
}

} // namespace zt46::exchange_test
