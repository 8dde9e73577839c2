#pragma once
// The three pages of the "Common" sheet: their rows (control ids, labels, list texts, the field each
// edits) and the page rules: load on first show, the weather-band dependencies, the changed mark, and
// the store on OK. A page that was never shown stores nothing.

#include <string>
#include <string_view>
#include <vector>

#include "core/image/SettingsGroups.h"

namespace zt46 {

class Document;

template <typename Group> struct ComboRow {
    int comboId;
    int labelId; // 0: a plain label of the page
    std::string_view label;
    std::vector<std::string_view> items; // index = field value
    int Group::*field;
    BitField bits; // where the image keeps the field
};

const std::vector<ComboRow<DisplaySoundSettings>>& DisplaySoundRows();
const std::vector<ComboRow<TxRxSettings>>& TxRxRows();
const std::vector<ComboRow<KeyMiscSettings>>& KeyMiscRows();

constexpr int kWxModeComboId = 4711;
constexpr int kWeatherAlertComboId = 4746;
constexpr int kTemperatureOffsetEditId = 4841;
constexpr int kTemperatureOffsetLabelId = 4568;
constexpr const char* kTemperatureOffsetLabel = "Temperature &Offset";
constexpr int kTemperatureOffsetLength = 5;

// One page's model over its settings group.
template <typename Group> class SettingsComboPageModel {
public:
    SettingsComboPageModel(Document& document, const std::vector<ComboRow<Group>>& rows)
        : m_document(document), m_rows(rows) {}

    // Loads the group from the image (the first time the page is shown).
    void Start();
    bool Started() const { return m_started; }
    const std::vector<ComboRow<Group>>& Rows() const { return m_rows; }
    // The selected index of a row (the field value; may lie beyond the list, then nothing is selected).
    int Value(int comboId) const;
    // A disabled row keeps its stored value: WX Mode and Weather Alert need the weather band.
    bool Enabled(int comboId) const;
    void Select(int comboId, int index);
    Group& Settings() { return m_group; }
    const Group& Values() const { return m_group; }
    // OK of the sheet: a shown page stores its group (the sheet's change record finds what changed).
    void Accept();

private:
    const ComboRow<Group>* Find(int comboId) const;

    Document& m_document;
    const std::vector<ComboRow<Group>>& m_rows;
    Group m_group;
    bool m_started = false;
};

using DisplaySoundPageModel = SettingsComboPageModel<DisplaySoundSettings>;
using TransmitReceivePageModel = SettingsComboPageModel<TxRxSettings>;

// Page 3 adds the typed temperature offset.
class KeysMiscPageModel : public SettingsComboPageModel<KeyMiscSettings> {
public:
    explicit KeysMiscPageModel(Document& document) : SettingsComboPageModel(document, KeyMiscRows()) {}
    std::string OffsetText() const;
    // A committed offset (Return or leaving the field): read, rounded, clamped. Returns why the stored
    // value is not what was typed when it was clamped (empty otherwise).
    std::string CommitOffset(std::string_view text);
};

extern template class SettingsComboPageModel<DisplaySoundSettings>;
extern template class SettingsComboPageModel<TxRxSettings>;
extern template class SettingsComboPageModel<KeyMiscSettings>;

} // namespace zt46
