#pragma once
// Which characters the program's edit fields let through. The grid's in-place editor, the paste rules and
// the dialogs' input controls all ask here, so a character is accepted or refused the same way everywhere.

namespace zt46 {

// Kinds of the plain filtering edit field.
constexpr int kFilterTag = 0;       // tag characters
constexpr int kFilterFrequency = 1; // digits, '.', space
constexpr int kFilterHexByte = 3;   // the File Data byte editor

constexpr char32_t kBackspace = 8;

// Whether a filtering edit field of the kind accepts the character. Backspace always passes; characters
// beyond ASCII never pass a filter (the radio's character set has none of them). Unknown kinds accept
// everything.
bool FilterAccepts(int kind, char32_t ch);

// The same for the confirm-style fields of the settings dialogs. `caret` is the position the character
// goes to (kind 9 takes a letter at position 1 only).
bool ConfirmFilterAccepts(int kind, char32_t ch, int caret);

} // namespace zt46
