#include "exchange/GridView.h"

#include "exchange/ListFormat.h"

namespace zt46 {

void ShowGroup(ChannelTable& table, int group) {
    if (group < 0 || group >= kGroupCount) return;
    while (table.CurrentGroup() != group)
        table.NextGroup(1); // with the weather band on, the key visits every group
}

GridRowTexts GridTexts(ChannelTable& table, const BandContext& band, int index) {
    ShowGroup(table, ChannelTable::GroupOf(index));
    SilentPrompts prompts(Answer::No); // a cell operation's beep is its refusal, which it also returns
    const CellEdit cells(table, band, prompts);
    GridRowTexts texts;
    for (int column = 0; column < kGridColumnCount; ++column)
        texts[static_cast<std::size_t>(column)] = cells.CellText(index, column);
    return texts;
}

std::string SlotName(int index) {
    const int group = ChannelTable::GroupOf(index);
    return std::string(GroupListName(group)) + " " + std::to_string(ChannelTable::NumberInGroup(index));
}

} // namespace zt46
