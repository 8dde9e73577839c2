#pragma once
// The channel grid's view of a table without a grid: which group is shown, what each cell shows, and the
// prompts and step picker a cell operation asks, answered without a user. The import and the export
// work through these so that every value is the one the grid itself would show or make.

#include <array>
#include <optional>
#include <string>

#include "core/editor/CellEdit.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

// What the grid shows in the eleven cells of a channel's row.
using GridRowTexts = std::array<std::string, kGridColumnCount>;

// Moves the table's shown group to the group (a step of the grid's group key at a time).
void ShowGroup(ChannelTable& table, int group);
// The cells of a channel's row as the grid shows them with the channel's group on screen.
GridRowTexts GridTexts(ChannelTable& table, const BandContext& band, int index);
// "MR 12", "Book 3", "WX 1".
std::string SlotName(int index);

// The step picker answered with the step a list gives.
class ChosenStep : public StepPicker {
public:
    explicit ChosenStep(std::optional<int> step = std::nullopt) : m_step(step) {}
    std::optional<int> PickStep(int, int) override { return m_step; }

private:
    std::optional<int> m_step;
};

} // namespace zt46
