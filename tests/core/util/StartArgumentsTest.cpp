#include <gtest/gtest.h>

#include "core/util/StartArguments.h"

namespace zt46 {
namespace {

TEST(StartArgumentsTest, SwitchesAreNeverPartOfAFileName) {
    struct Case {
        std::vector<std::string> arguments;
        Privilege privilege;
        std::string file;
        std::vector<std::string> ignored;
    };
    const Privilege N = Privilege::Normal, P = Privilege::Privileged;
    for (const Case& c : {
             Case{{}, N, "", {}},
             Case{{"-m"}, P, "", {}},
             Case{{"/M"}, P, "", {}},
             Case{{"-M", "x.T46"}, N, "x.T46", {}},
             Case{{"-m", "--later-option"}, P, "", {"--later-option"}},
             Case{{"my radio.t46"}, N, "my radio.t46", {}},
             Case{{"a.t46", "b.t46"}, N, "a.t46", {"b.t46"}},
             Case{{"-x", "a.t46"}, N, "a.t46", {"-x"}},
             Case{{"--", "-m"}, N, "-m", {}},
         }) {
        const StartRequest r = ParseStartArguments(c.arguments);
        const std::string trace = testing::PrintToString(c.arguments);
        EXPECT_EQ(r.privilege, c.privilege) << trace;
        EXPECT_EQ(r.file, c.file) << trace;
        EXPECT_EQ(r.ignored, c.ignored) << trace;
    }
}

} // namespace
} // namespace zt46
