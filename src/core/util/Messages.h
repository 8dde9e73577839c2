#pragma once
// The program's string table: message, prompt and caption texts under their fixed ids.

#include <string>
#include <string_view>

namespace zt46 {

// Message ids (the numbers are part of the interface: tests and the GUI refer to them).
constexpr int IDS_OPEN_FILE_ERROR = 32;       // "Problem opening file\r\nFile Name = %1"
constexpr int IDS_WRITE_FILE_ERROR = 33;      // "Problem writing to file"
constexpr int IDS_READ_FILE_ERROR = 34;       // "Problem reading from file\r\nFile Name = %1"
constexpr int IDS_CREATE_FILE_ERROR = 35;     // "Problem opening file\r\n%1"
constexpr int IDS_WRITE_DEFAULT_FILE = 36;    // "Do  you want to write default file?"
constexpr int IDS_INVALID_FORMAT = 37;        // "The File cannot be Opened..."
constexpr int IDS_READ_ONLY = 49;             // "The File's attribute is Read_Only..."
constexpr int IDS_COPY_CHANNEL = 53;          // "Do you copy %1 data to %2?\n(Only visible columns)"
constexpr int IDS_COMM_PORT_ERROR = 80;       // "Problem with COM port"
constexpr int IDS_CHECK_LEAD = 81;            // "Check that lead is connected to COM %1"
constexpr int IDS_UPLOAD_COMPLETED = 83;      // "Upload is completed"
constexpr int IDS_HARDWARE_MISMATCH = 87;     // "Hardware configuration mismatched!"
constexpr int IDS_DOWNLOAD_COMPLETED = 89;    // "Download is completed"
constexpr int IDS_UPLOAD_FUNCTION = 90;       // "Upload Function"
constexpr int IDS_DOWNLOAD_FUNCTION = 91;     // "Download Function"
constexpr int IDS_SWITCH_RADIO = 94;          // "Switch radio OFF, then back ON to start uploading"
constexpr int IDS_COMM_ERROR = 96;            // "Communication Error"
constexpr int IDS_TIMEOUT = 98;               // "Timeout 4"
constexpr int IDS_BCC_ERROR = 99;             // "BCC Error"
constexpr int IDS_OVERWRITE_DATA = 100;       // "Overwrite original data"
constexpr int IDS_VERSION_NUMBER = 120;       // "1.00"
constexpr int IDS_BLANK_PROMPT = 121;         // " "
constexpr int IDS_APP_TITLE_PRIVILEGED = 128; // "ZT46Win for KSR-410 (M)"
constexpr int IDS_APP_TITLE = 135;            // "ZT46Win for KSR-410"
constexpr int IDS_VERSION_LINE = 1006;        // "ZT46 Ver%1w"
constexpr int IDS_SAVE_CHANGES = 61699;       // the ask-to-save question, "%1" is the file name
constexpr int IDS_IDLE_PROMPT = 57345;        // "F1 for Help   F2 for Mode Change  F10 for Menus"
constexpr int IDS_KEY_OPERATION = 59143;      // "[ Key Operation ]"
// Ours, beyond the original table (one list, so that two never share a number):
constexpr int IDS_BACKUP_FAILED = 30001;     // the radio's backup could not be written
constexpr int IDS_IDENTITY_QUESTION = 30011; // download: whose identity the radio gets
constexpr int IDS_VERIFY_FAILED = 30012;     // the read-back differs from what was written
constexpr int IDS_NOT_VERIFIED = 30013;      // written, but the read-back did not complete
constexpr int IDS_RADIO_VERIFIED = 30014;    // the read-back holds what was written
constexpr int IDS_NO_ECHO = 30015;           // progress text: no echo from the cable for a while
constexpr int IDS_READING_BACK = 30016;      // progress text: the read-back after a write

// The text of a string id; empty when the table has none.
std::string_view StringById(int id);
// Whether the table holds the id at all (a prompt bar leaves its text alone for unknown ids).
bool HasString(int id);
// The text with "%1" and "%2" replaced by the arguments.
std::string FormatString(int id, std::string_view arg1 = {}, std::string_view arg2 = {});
std::string FormatText(std::string_view text, std::string_view arg1, std::string_view arg2);

} // namespace zt46
