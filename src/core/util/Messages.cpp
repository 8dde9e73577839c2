#include "core/util/Messages.h"

#include <algorithm>
#include <array>

namespace zt46 {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr std::array kStrings{
    StringEntry{32, "Problem opening file\r\nFile Name = %1"},
    StringEntry{33, "Problem writing to file"},
    StringEntry{34, "Problem reading from file\r\nFile Name = %1"},
    StringEntry{35, "Problem opening file\r\n%1"},
    StringEntry{36, "Do  you want to write default file?"},
    StringEntry{37, "The File cannot be Opened.\r\nThe File's format is invalid or not Supported"},
    StringEntry{49, "The File's attribute is Read_Only.\r\nFile Name = %1"},
    StringEntry{53, "Do you copy %1 data to %2?\n(Only visible columns)"},
    StringEntry{80, "Problem with COM port"},
    StringEntry{81, "Check that lead is connected to COM %1"},
    StringEntry{83, "Upload is completed"},
    StringEntry{87, "Hardware configuration mismatched!"},
    StringEntry{89, "Download is completed"},
    StringEntry{90, "Upload Function"},
    StringEntry{91, "Download Function"},
    StringEntry{94, "Switch radio OFF, then back ON to start uploading"},
    StringEntry{96, "Communication Error"},
    StringEntry{98, "Timeout 4"},
    StringEntry{99, "BCC Error"},
    StringEntry{100, "Overwrite original data"},
    StringEntry{120, "1.00"},
    StringEntry{121, " "},
    StringEntry{128, "ZT46Win for KSR-410 (M)"},
    StringEntry{135, "ZT46Win for KSR-410"},
    StringEntry{1006, "ZT46 Ver%1w"},
    StringEntry{1235, "Edit Align Value(0-255)\n<ENTER>"},
    StringEntry{2421, "Select VFO A/B (VFO A/VFO B)\n<SELECT>"},
    StringEntry{2422, "Select Current Mode (VFO/MR/BookMR/WX)\n<SELECT>"},
    StringEntry{2423, "Select Emergency Mode (Off/Emergency)\n<SELECT>"},
    StringEntry{2424, "Select ANL Status (Off/On)\n<SELECT>"},
    StringEntry{2425, "Select Dual Watch (Off/On)\n<SELECT>"},
    StringEntry{2426, "Select Tone Control(Off/Mode1/Mode2/Mode3/User)\n<SELECT>"},
    StringEntry{2427, "Select Weather Band (Disable/Enable)\n<SELECT>"},
    StringEntry{2428, "Select 8.33K TX Expansion (Disable/Enable)\n<SELECT>"},
    StringEntry{2429, "Select TX Expansion (Disable/Enable)\n<SELECT>"},
    StringEntry{2430, "Select Recieve Expansion (Disable/Enable)\n<SELECT>"},
    StringEntry{2890, "Select Channel Number\n<SELECT>"},
    StringEntry{4700, "Select SCAN Pause LAMP (off/on)\n<SELECT>"},
    StringEntry{4701, "Select Lamp Mode (off/Continue/Key on)\n<SELECT>"},
    StringEntry{4702, "Select DIMMER (LV1/LV2/LV3/LV4)\n<SELECT>"},
    StringEntry{4703, "Power On Beep (off/Mode1/Mode2/Mode3)\n<SELECT>"},
    StringEntry{4704, "Select Keypad Beeper (off/on/DTMF)\n<SELECT>"},
    StringEntry{4705, "Select PA Monitor (off/PA/ALL)\n<SELECT>"},
    StringEntry{4706, "Select Headphone Level (0-8)\n<SELECT>"},
    StringEntry{4707, "Select User Tone Setting(Low) (off/+/-)\n<SELECT>"},
    StringEntry{4708, "Select User Tone Setting(Mid) (off/+/-)\n<SELECT>"},
    StringEntry{4709, "Select User Tone Setting(High) (off/+/-)\n<SELECT>"},
    StringEntry{4710, "Select Sensor Type (Temperature/Voltage)\n<SELECT>"},
    StringEntry{4711, "Select WX Mode (ch/Freq)\n<SELECT>"},
    StringEntry{4712, "Select BOOK Mode (ch/Freq/TAG)\n<SELECT>"},
    StringEntry{4713, "Select MR Mode (ch/Freq/TAG)\n<SELECT>"},
    StringEntry{4721, "Select SQL Level (0-8)\n<SELECT>"},
    StringEntry{4722, "Select RX Save (off/ABS/1:1/1:2/1:3/1:4/1:5)\n<SELECT>"},
    StringEntry{4723, "Select Scan Stop Resume (BUSY/5sec)\n<SELECT>"},
    StringEntry{4724, "Select DW/PRI (DW/PRI)\n<SELECT>"},
    StringEntry{4725, "Select PRI Time (500ms/1s/1.5s/2s/2.5s/3s)\n<SELECT>"},
    StringEntry{4726, "Select T.O.T (off/1min/3min/5min)\n<SELECT>"},
    StringEntry{4741, "Select Lock Status(Off/On) \n<SELECT>"},
    StringEntry{4742,
                "Select PTT Key Dial Lock (PTT/Key/Dial/PTT+Key/PTT+Dial/Key+Dial/PTT+Key+Dial) \n<SELECT>"},
    StringEntry{4743, "Select [USER1] Key (None/ANL/PA/TONE/ALRT)\n<SELECT>"},
    StringEntry{4744, "Select [USER2] Key (None/ANL/PA/TONE/ALRT)\n<SELECT>"},
    StringEntry{4745, "Emergency Function (off/on)\n<SELECT>"},
    StringEntry{4746, "Weather Alert Function (off/Beep/LED Flash/Beep+LED Flash)\n<SELECT>"},
    StringEntry{4747, "Select Temperature Unit (F/C)\n<SELECT>"},
    StringEntry{4748, "Select Internal MIC (off/on)\n<SELECT>"},
    StringEntry{4749, "Select VOX (off/on)\n<SELECT>"},
    StringEntry{4750, "Select VOX Deley (0.5s/1.0s/1.5s/2.0s)\n<SELECT>"},
    StringEntry{4751, "Select VOX Sensitivity (1-8)\n<SELECT>"},
    StringEntry{4841, "Edit Temperature Offset (-12.7 - 12.7 step 0.1)\n<ENTER>"},
    StringEntry{5021, "Select Mode (FM/AM)\n<SELECT>"},
    StringEntry{5022, "Select Split (Simplex/Split)\n<SELECT>"},
    StringEntry{5023, "Select AM Step (8.33K/25K)\n<SELECT>"},
    StringEntry{5024, "Select FM Step (5K/10K/12.5K/15K/20K/25K/50K)\n<SELECT>"},
    StringEntry{5025, "Select Clock Shift (on/off)\n<SELECT>"},
    StringEntry{5041, "Edit Receive Frequency\n<ENTER>"},
    StringEntry{5042, "Edit Transmit Frequency\n<ENTER>"},
    StringEntry{5071, "Edit Receive Frequency\n<ENTER>"},
    StringEntry{5072, "Edit Transmit Frequency\n<ENTER>"},
    StringEntry{5081, "Select Mode (FM/AM)\n<SELECT>"},
    StringEntry{5082, "Select Split (Simplex/Split)\n<SELECT>"},
    StringEntry{5083, "Select AM Step (8.33K/25K)\n<SELECT>"},
    StringEntry{5084, "Select FM Step (5K/10K/12.5K/15K/20K/25K/50K)\n<SELECT>"},
    StringEntry{5085, "Select Clock Shift (on/off)\n<SELECT>"},
    StringEntry{5525, "Threshold Squelch Level(AM)\n<Adjust>"},
    StringEntry{5526, "Tight Squelch Level(AM)\n<Adjust>"},
    StringEntry{5527, "Threshold Squelch Level(FM)\n<Adjust>"},
    StringEntry{5528, "Tight Squelch Level(FM)\n<Adjust>"},
    StringEntry{5529, "TX Power Level\n<Adjust>"},
    StringEntry{5530, "MOD Level\n<Adjust>"},
    StringEntry{5531, "Reference Tune Level\n<Adjust>"},
    StringEntry{5532, "VSTR Level\n<Adjust>"},
    StringEntry{5533, "VOR Angle(Read Only)\n<SHOW>"},
    StringEntry{5534, "Side Tone Level\n<Adjust>"},
    StringEntry{5535, "RX Tune Level(Low)\n<Adjust>"},
    StringEntry{5536, "RX Tune Level(High)\n<Adjust>"},
    StringEntry{5571, "Edit Squelch Hysteresis Level(AM)\n<ENTER>"},
    StringEntry{5572, "Edit Squelch Hysteresis Level(FM)\n<ENTER>"},
    StringEntry{5573, "Edit VSTR Hysteresis Level\n<ENTER>"},
    StringEntry{5574, "Edit VOR Angle Adjustment \n<ENTER>"},
    StringEntry{IDS_NO_ECHO,
                "No echo has come back from the cable: check that the lead is connected, then switch "
                "radio OFF and back ON"},
    StringEntry{IDS_READING_BACK, "Reading the radio back to check what was written"},
    StringEntry{57345, "F1 for Help   F2 for Mode Change  F10 for Menus"},
    StringEntry{59143, "[ Key Operation ]"},
    StringEntry{61699, "Save changes to %1?"},
};

static_assert(std::is_sorted(kStrings.begin(), kStrings.end(),
                             [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; }));

const StringEntry* Find(int id) {
    auto it = std::lower_bound(kStrings.begin(), kStrings.end(), id,
                               [](const StringEntry& e, int key) { return e.id < key; });
    return it != kStrings.end() && it->id == id ? &*it : nullptr;
}

} // namespace

std::string_view StringById(int id) {
    const StringEntry* e = Find(id);
    return e ? e->text : std::string_view{};
}

bool HasString(int id) {
    return Find(id) != nullptr;
}

std::string FormatText(std::string_view text, std::string_view arg1, std::string_view arg2) {
    // One pass, so an argument that itself holds "%2" is taken as it is.
    std::string out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatString(int id, std::string_view arg1, std::string_view arg2) {
    return FormatText(StringById(id), arg1, arg2);
}

} // namespace zt46
