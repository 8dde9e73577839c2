#pragma once
// What can be wrong with a channel list as a whole. A list with such an error changes nothing; the
// message names the line and the column where that helps the user find the place.

#include <string>
#include <variant>

namespace zt46 {

enum class ListErrorKind {
    Unreadable,        // the file cannot be opened or read
    TooLarge,          // more bytes than the limit
    NotText,           // a control character, or UTF-16 cut in the middle of a character
    NoHeader,          // nothing but blank lines
    TooManyRows,       // more rows than the limit
    TooManyFields,     // a row with more fields than the header
    UnclosedQuote,     // a quoted field runs to the end of the file
    StrayQuote,        // a quote where the CSV grammar allows none
    DuplicateColumn,   // a known column named twice in the header
    NoFrequencyColumn, // the header lacks the frequency column of the format
    BadValue,          // a value the column cannot hold (a frequency that is not a number, ...)
    NoAirports,        // an airport list, but no airports named
    AirportMissing,    // a named airport has no rows in the list
};

struct ListError {
    ListErrorKind kind = ListErrorKind::Unreadable;
    int line = 0;           // 1-based line of the file; 0 when the error is not at one place
    int column = 0;         // 1-based field of the row; 0 when not at one field
    std::string columnName; // the header's name of that field, when known
    std::string message;    // what is wrong

    // "line 7, column 3 (Frequency): not a number: "abc"".
    std::string Text() const;
};

// The value, or what kept it from being read.
template <typename T> using ListResult = std::variant<T, ListError>;

} // namespace zt46
