#include "core/util/StartArguments.h"

namespace zt46 {

StartRequest ParseStartArguments(const std::vector<std::string>& arguments) {
    StartRequest request;
    int serviceSwitches = 0, otherWords = 0; // the options aside
    bool filesOnly = false;
    for (const std::string& word : arguments) {
        if (word.empty()) continue;
        if (!filesOnly && word == "--") {
            filesOnly = true;
            continue;
        }
        if (!filesOnly && word.rfind("--", 0) == 0) {
            request.ignored.push_back(word); // the options the program knows are taken out before
            continue;
        }
        if (!filesOnly && RequestedPrivilege({word}) == Privilege::Privileged) {
            ++serviceSwitches;
            continue;
        }
        ++otherWords;
        if (!filesOnly && word.size() > 1 && word[0] == '-') {
            request.ignored.push_back(word);
        } else if (request.file.empty()) {
            request.file = word;
        } else {
            request.ignored.push_back(word);
        }
    }
    if (serviceSwitches == 1 && otherWords == 0) request.privilege = Privilege::Privileged;
    return request;
}

} // namespace zt46
