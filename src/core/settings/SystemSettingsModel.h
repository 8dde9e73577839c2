#pragma once
// The rules of the System Parameters dialog: which rows are shown and enabled, what each selection
// changes (the dual-watch rule, the TX expansion mark), and what OK and Cancel do to the document.

#include <string>
#include <vector>

namespace zt46 {

class Document;
struct SystemSettings;

constexpr int kSystemRowCount = 10;
constexpr int kSystemFirstLabelId = 2401;
constexpr int kSystemFirstComboId = 2421;

enum SystemRow {
    kRowVfoSelect,
    kRowCurrentMode,
    kRowEmergencyMode,
    kRowAnlStatus,
    kRowDualWatch,
    kRowToneControl,
    kRowWeatherBand,
    kRowTxExpansion833,
    kRowTxExpansion,
    kRowRxExpansion,
};

// Row labels with their keyboard accelerators ("&VFO A/B", ...).
const char* SystemRowLabel(int row);
// Bit i enables row i (label and combo together).
unsigned SystemEnableMask(bool privileged, const SystemSettings& settings);
// The items of a row's list; the Current Mode list offers WX only with the weather band.
std::vector<std::string> SystemRowItems(int row, bool weatherBand);
// The band rows (6..9) are shown only in privileged mode.
bool SystemRowVisible(int row, bool privileged);

class SystemSettingsModel {
public:
    SystemSettingsModel(Document& document, bool privileged);

    // Loads the settings from the image and stores them back at once (a WX mode without the weather band
    // becomes VFO in the image too).
    void Start();
    unsigned EnableMask() const;
    // The items of a row's list; the Current Mode list offers WX only with the weather band.
    std::vector<std::string> Items(int row) const;
    int Value(int row) const;
    // A selection in a row's list.
    void Select(int row, int index);
    // Stores the settings; when TX expansion was switched off, fits every transmit frequency (260
    // channels and both VFOs) into the narrower transmit band.
    void Accept();
    // Every model is reloaded from the image: the dialog's changes are dropped.
    void Reject();

private:
    void ApplyDualWatchRule();

    Document& m_document;
    bool m_privileged;
    bool m_txExpansionChanged = false;
};

} // namespace zt46
