#include <gtest/gtest.h>

#include "core/util/PrivilegedMode.h"

namespace zt46 {
namespace {

TEST(PrivilegedModeTest, OnlyTheWholeSwitchAsksForIt) {
    struct Case {
        std::vector<std::string> arguments;
        Privilege requested;
    };
    const Privilege N = Privilege::Normal, P = Privilege::Privileged;
    for (const Case& c : {Case{{"/m"}, P}, Case{{"-M"}, P}, Case{{"/M", "x.T46"}, N}, Case{{"m"}, N},
                          Case{{"/mm"}, N}, Case{{"x.T46"}, N}, Case{{}, N}})
        EXPECT_EQ(RequestedPrivilege(c.arguments), c.requested) << testing::PrintToString(c.arguments);
}

TEST(PrivilegedModeTest, ServicePasswordInEitherCase) {
    struct Case {
        const char* typed;
        bool accepted;
    };
    for (const Case& c : {Case{"kumo-hikari", true}, Case{"KUMO-Hikari", true}, Case{"kumo-hikari ", false},
                          Case{"kumo-hikar", false}, Case{"kumo_hikari", false}, Case{"", false}})
        EXPECT_EQ(IsServicePassword(c.typed), c.accepted) << c.typed;
}

} // namespace
} // namespace zt46
