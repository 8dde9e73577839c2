#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/util/PortProblems.h"

namespace zt46 {
namespace {

struct TextCase {
    const char* name;
    PortProblemFacts facts;
    std::vector<std::string> says;
    std::vector<std::string> never;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

PortProblemFacts Facts(PortProblem problem, std::string group = {}, bool grants = false,
                       bool joined = false) {
    PortProblemFacts f;
    f.problem = problem;
    f.device = "/dev/ttyUSB0";
    f.group = std::move(group);
    f.groupGrantsAccess = grants;
    f.user = "pat";
    f.joinedAfterLogin = joined;
    f.detail = "Inappropriate ioctl for device";
    return f;
}

class PortProblemTextTest : public ::testing::TestWithParam<TextCase> {};

// Every text keeps message 80 as its first line and names the device; the rest says what to do.
TEST_P(PortProblemTextTest, NamesTheDeviceAndTheRemedy) {
    const std::string text = PortProblemText(GetParam().facts);
    EXPECT_EQ(text.rfind("Problem with COM port\r\n/dev/ttyUSB0", 0), 0u) << text;
    for (const std::string& part : GetParam().says)
        EXPECT_NE(text.find(part), std::string::npos) << part << " not in: " << text;
    for (const std::string& part : GetParam().never)
        EXPECT_EQ(text.find(part), std::string::npos) << part << " in: " << text;
}

INSTANTIATE_TEST_SUITE_P(
    Problems, PortProblemTextTest,
    ::testing::Values(
        TextCase{"Missing", Facts(PortProblem::NotFound), {"no such device", "cable is plugged in"}, {}},
        TextCase{"GroupGrants",
                 Facts(PortProblem::NoPermission, "dialout", true),
                 {"(pat) has no permission", "group \"dialout\"", "sudo adduser pat dialout", "log in again"},
                 {"administrator"}},
        TextCase{"JoinedSinceLogin",
                 Facts(PortProblem::NoPermission, "dialout", true, true),
                 {"is a member of the group \"dialout\"", "log out and log in again"},
                 {"adduser"}},
        TextCase{"GroupCannotGrant",
                 Facts(PortProblem::NoPermission, "root", false),
                 {"has no permission", "administrator"},
                 {"adduser", "\"root\""}},
        TextCase{"InUse", Facts(PortProblem::InUse), {"in use by another program"}, {}},
        TextCase{"NotSerial", Facts(PortProblem::NotSerial), {"not a serial device"}, {}},
        TextCase{"Other", Facts(PortProblem::Other), {": Inappropriate ioctl for device"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zt46
