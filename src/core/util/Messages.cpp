#include "util/Messages.h"

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
