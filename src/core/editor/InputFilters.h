#pragma once
// Which characters the program's edit fields let through. The grid's in-place editor, the paste rules and
// the dialogs' input controls all ask here, so a character is accepted or refused the same way everywhere.

namespace zt46 {

// Kinds of the plain filtering edit field.
enum class EditFilter {
    Tag,       // digits, letters, space and ( ) + = * / : - _
    Frequency, // digits, '.', space
    HexByte,   // digits, a..f in either case: the File Data byte editor
};

// Kinds of the confirm-style fields of the settings and alignment dialogs.
enum class ConfirmFilter {
    Decimal,       // digits, '.', space: the VFO frequencies
    Signed,        // digits, space, '-', '+': the alignment values
    SignedDecimal, // digits, '.', space, '-', '+': the temperature offset
    DigitsSpace,   // digits, space: the alignment level editor
};

constexpr char32_t kBackspace = 8;

// Whether a field of the kind accepts the character. Backspace always passes; characters beyond ASCII
// never pass (the radio's character set has none of them).
bool FilterAccepts(EditFilter kind, char32_t ch);
bool FilterAccepts(ConfirmFilter kind, char32_t ch);

} // namespace zt46
