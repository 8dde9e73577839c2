#pragma once
// One page of the "VFO" sheet (VFO A or VFO B): which controls are live for the record's state and
// what each change recomputes. The frequency rules are the channels' own.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/VfoSettings.h"

namespace zt46 {

class Document;

enum class VfoCombo { Mode, Split, AmStep, FmStep, ClockShift };

struct VfoControlIds {
    int mode, rxEdit, txEdit, split, amStep, fmStep, clockShift;
};
constexpr VfoControlIds kVfoAIds{5021, 5041, 5042, 5022, 5023, 5024, 5025};
constexpr VfoControlIds kVfoBIds{5081, 5071, 5072, 5082, 5083, 5084, 5085};
constexpr int kVfoFrequencyLength = 7;

struct VfoControlStates {
    bool mode = false; // never: the mode follows the receive frequency
    bool split = false;
    bool amStep = false;
    bool fmStep = false;
    bool clockShift = true;
    bool rxEdit = true;
    bool txEdit = false;
};

// The list texts of a combo (index = field value; Clock Shift's stored bit is 0 for "On").
std::vector<std::string_view> VfoComboItems(VfoCombo combo);
// The page's labels, with their keyboard accelerators.
const char* VfoComboLabel(VfoCombo combo);
constexpr const char* kVfoRxLabel = "&Receive Frequency";
constexpr const char* kVfoTxLabel = "&Transmit Frequency";

class VfoPageModel {
public:
    VfoPageModel(Document& document, std::size_t recordOffset);

    void Start(); // decode the record (when the page is first shown)
    bool Started() const { return m_started; }
    VfoControlStates States() const;
    int Value(VfoCombo combo) const;
    // A selection in one of the lists after Mode (which is never live).
    void Select(VfoCombo combo, int index);
    std::string RxText() const { return m_vfo.RxText(); }
    std::string TxText() const { return m_vfo.TxText(); }
    // A committed frequency (Return, double click or leaving the field); a commit of the text shown leaves
    // the record as it is.
    // Returns why the stored value is not what was typed (empty when it is).
    std::string CommitRx(std::string_view text);
    std::string CommitTx(std::string_view text);
    const ChannelEntry& Entry() const { return m_vfo.Entry(); }
    // OK of the sheet: a shown page stores its record (the sheet's change record finds what changed).
    void Accept();

private:
    Document& m_document;
    VfoSettings m_vfo;
    bool m_started = false;
};

} // namespace zt46
