#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/util/PortProblems.h"

namespace zt46 {
namespace {

PortProblemFacts Facts(PortProblem problem, std::string group = {}, bool grants = false,
                       bool joined = false) {
    return {
        problem, "/dev/ttyUSB0", std::move(group), grants, "pat", joined, "Inappropriate ioctl for device"};
}

// Every text keeps message 80 as its first line and names the device; the rest says what to do.
TEST(PortProblemTextTest, NamesTheDeviceAndTheRemedy) {
    struct Case {
        const char* name;
        PortProblemFacts facts;
        std::vector<std::string> says, never;
    };
    const Case cases[] = {
        {"missing", Facts(PortProblem::NotFound), {"no such device", "cable is plugged in"}, {}},
        {"group grants",
         Facts(PortProblem::NoPermission, "dialout", true),
         {"(pat) has no permission", "group \"dialout\"", "sudo adduser pat dialout", "log in again"},
         {"administrator"}},
        {"joined since login",
         Facts(PortProblem::NoPermission, "dialout", true, true),
         {"is a member of the group \"dialout\"", "log out and log in again"},
         {"adduser"}},
        {"group cannot grant",
         Facts(PortProblem::NoPermission, "root", false),
         {"has no permission", "administrator"},
         {"adduser", "\"root\""}},
        {"in use", Facts(PortProblem::InUse), {"in use by another program"}, {}},
        {"not serial", Facts(PortProblem::NotSerial), {"not a serial device"}, {}},
        {"other", Facts(PortProblem::Other), {": Inappropriate ioctl for device"}, {}},
    };
    for (const Case& c : cases) {
        const std::string text = PortProblemText(c.facts);
        EXPECT_EQ(text.rfind("Problem with COM port\r\n/dev/ttyUSB0", 0), 0u) << text;
        for (const std::string& part : c.says)
            EXPECT_NE(text.find(part), std::string::npos) << c.name << ": " << part << " not in: " << text;
        for (const std::string& part : c.never)
            EXPECT_EQ(text.find(part), std::string::npos) << c.name << ": " << part << " in: " << text;
    }
}

} // namespace
} // namespace zt46
