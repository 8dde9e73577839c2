#pragma once
// The real zt46 program run in a folder, and a short way to ask what its output holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RadioProcess.h"

namespace zt46::test {

// Runs zt46 in dir with input on stdin, and Ctrl+C that long after it started when interruptAfterMs >= 0.
inline ProgramRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = {},
                         int interruptAfterMs = -1) {
    args.insert(args.begin(), ZT46_CLI);
    return RunProgram(dir, std::move(args), input, interruptAfterMs);
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every part is in the text.
inline void ExpectHas(const std::string& text, const std::vector<std::string>& parts) {
    for (const std::string& part : parts)
        EXPECT_TRUE(Has(text, part)) << "'" << part << "' not in: " << text;
}

} // namespace zt46::test
