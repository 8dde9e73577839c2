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
    for (const Case& c :
         {Case{{}, N, "", {}}, Case{{"-m"}, P, "", {}}, Case{{"/M"}, P, "", {}},
          Case{{"-M", "x.T46"}, N, "x.T46", {}}, Case{{"-m", "--later-option"}, P, "", {"--later-option"}},
          Case{{"my radio.t46"}, N, "my radio.t46", {}}, Case{{"a.t46", "b.t46"}, N, "a.t46", {"b.t46"}},
          Case{{"-x", "a.t46"}, N, "a.t46", {"-x"}}, Case{{"--", "-m"}, N, "-m", {}}}) {
        const StartRequest r = ParseStartArguments(c.arguments);
        EXPECT_EQ(std::tie(r.privilege, r.file, r.ignored), std::tie(c.privilege, c.file, c.ignored))
            << testing::PrintToString(c.arguments);
    }
}

} // namespace
} // namespace zt46
