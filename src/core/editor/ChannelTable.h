#pragma once
// The 260 decoded channels of the image, the current group and the selected channel.

#include <array>
#include <string>

#include "core/editor/ChannelEntry.h"
#include "core/editor/FrequencyRules.h"
#include "core/image/CloneImage.h"

namespace zt46 {

struct SystemSettings;

constexpr int kGroupMr = 0;
constexpr int kGroupBook = 1;
constexpr int kGroupWeather = 2;
constexpr int kGroupCount = 3;

class ChannelTable {
public:
    // Rebuilds every entry from the image and returns to the first MR channel. Blank channel records
    // (bytes 10 and 11 both FF) are first replaced in the image by a copy of VFO A at 118.000 MHz.
    void Load(CloneImage& image, const SystemSettings& system);
    // Writes the 260 records, the mask bits and the two current-channel bytes.
    void Store(CloneImage& image, const SystemSettings& system) const;

    ChannelEntry& Entry(int index) { return m_entries[static_cast<std::size_t>(index)]; }
    const ChannelEntry& Entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    const std::array<ChannelEntry, kChannelCount>& Entries() const { return m_entries; }

    // The settings the frequency rules read, with the table's weather frequencies.
    BandContext Bands(const SystemSettings& system) const;

    int CurrentGroup() const { return m_currentGroup; }
    int FirstNumber() const { return m_firstNumber; }
    int CurrentIndex() const { return m_currentIndex; }
    void SetCurrentIndex(int index) { m_currentIndex = index; }
    // Moves to the next group that has channels (skipping Weather while the weather band is off).
    void NextGroup(int weatherBand);
    // Shows a group from its first channel; Weather only while the weather band is on (MR otherwise).
    void ShowGroup(int group, int weatherBand);

    static int GroupSize(int group);
    static int GroupStart(int group);
    // The group that holds an index; kGroupCount when none does.
    static int GroupOf(int index);
    // "MR GROUP", "BOOK GROUP", "WEATHER GROUP".
    static const char* GroupName(int group);
    // Number of the channel within its group (1-based).
    static int NumberInGroup(int index) { return index - GroupStart(GroupOf(index)) + 1; }

private:
    std::array<ChannelEntry, kChannelCount> m_entries{};
    int m_currentGroup = 0;
    int m_firstNumber = 1;
    int m_currentIndex = 0;
};

} // namespace zt46
