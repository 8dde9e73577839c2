#pragma once
// Copy and paste in the channel grid: the clipboard texts, pasting a text into a cell as if it had been
// typed or picked there, and copying a whole channel (the fields of the visible columns) onto another.

#include <string>
#include <string_view>
#include <vector>

#include "core/editor/CellEdit.h"

namespace zt46 {

// The clipboard text of the "Chn" cell: the channel's number over all 260 channels (MR 1..150,
// Book 151..250, Weather 251..260).
std::string ChannelClipText(int index);
// The clipboard text of a block of cells: cells separated by tabs, rows by carriage returns.
std::string CellsClipText(const std::vector<std::vector<std::string>>& rows);
// "MR GROUP:Ch 7": how the copy question names a channel.
std::string ChannelLabel(int index);

class ChannelPaste {
public:
    ChannelPaste(ChannelTable& table, const BandContext& band, UserPrompts& prompts, const ColumnFlags& flags)
        : m_table(table), m_band(band), m_prompts(prompts), m_flags(flags) {}

    // Applies the text to the cell of the entry. A refused paste beeps and changes nothing (the reason
    // says why where a rule of the column refused it). Pasting a channel number into "Chn" asks before it
    // copies that channel.
    CellChange PasteIntoCell(int index, int column, std::string_view text);

    // Copies the fields of the visible columns from one channel to another, as they are. MR 1 and Book 1
    // are never taken out of use (the radio needs one channel in use in each): the rest of the copy
    // applies, and the returned reason says so; empty otherwise.
    std::string CopyChannelColumns(int source, int destination);

private:
    CellChange Fail(std::string reason = {});
    CellChange PasteChannel(int index, std::string_view text);

    ChannelTable& m_table;
    BandContext m_band;
    UserPrompts& m_prompts;
    ColumnFlags m_flags;
};

} // namespace zt46
