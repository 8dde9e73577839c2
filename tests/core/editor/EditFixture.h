#pragma once
// A channel table on the factory image with prompts that count beeps and answer from a script, for the
// cell editing and paste tests.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/document/FactoryImage.h"
#include "core/editor/CellEdit.h"
#include "core/image/SettingsGroups.h"
#include "core/util/UserPrompts.h"
#include "support/TestSupport.h"

namespace zt46::edit_test {

class ScriptedPicker : public StepPicker {
public:
    std::optional<int> PickStep(int column, int current) override {
        asked.push_back({column, current});
        return answer;
    }
    std::optional<int> answer;
    std::vector<std::pair<int, int>> asked;
};

struct EditFixture {
    CloneImage image = FactoryImage();
    SystemSettings system;
    ChannelTable table;
    test::RecordingPrompts prompts; // counts beeps; answers from its script, Yes when it runs out
    ScriptedPicker picker;

    explicit EditFixture(int weatherBand = 0, int rxExpansion = 0) {
        system.Load(image);
        system.WeatherBand = weatherBand;
        system.RxExpansion = rxExpansion;
        table.Load(image, system);
        for (int i = 0; i < kMaskedChannelCount; ++i)
            table.Entry(i).Masked = 0;
    }
    BandContext Band() const { return table.Bands(system); }
    CellEdit Cells() { return CellEdit(table, Band(), prompts); }
    // Every cell of a row as the grid shows it, joined by '|'.
    std::string Row(int index) {
        std::string row = Cells().CellText(index, 0);
        for (int column = 1; column < kGridColumnCount; ++column)
            row += "|" + Cells().CellText(index, column);
        return row;
    }
    ChannelEntry& Entry(int index) { return table.Entry(index); }
    // An AM channel at the frequency, with the given AM step (0 = 8.33k).
    void SetAm(int index, const char* mhz, int amStep = 1) {
        Entry(index).AmStep = amStep;
        Entry(index).RxGrid833 = amStep == 0;
        Cells().SetCellText(index, kColReceive, mhz);
    }
    void ShowWeatherGroup() {
        while (table.CurrentGroup() != kGroupWeather)
            table.NextGroup(1);
    }
};

} // namespace zt46::edit_test
