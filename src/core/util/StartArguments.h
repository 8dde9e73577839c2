#pragma once
// The desktop program's command line, word by word as the shell passed it: a file name with blanks is
// one word.

#include <string>
#include <vector>

#include "core/util/PrivilegedMode.h"

namespace zt46 {

struct StartRequest {
    Privilege privilege = Privilege::Normal;
    std::string file;                 // the first file named; empty: none
    std::vector<std::string> ignored; // further file names and switches the program does not know
};

// Options (words beginning with "--") and switches ("/m", "/M", any word beginning with '-') are never
// part of a file name; after a lone "--" every word is a file name. Privileged mode is asked for only by
// a service switch with nothing else beside it but options.
StartRequest ParseStartArguments(const std::vector<std::string>& arguments);

} // namespace zt46
