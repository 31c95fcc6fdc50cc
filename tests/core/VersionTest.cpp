#include "workspace/Version.h"

#include <gtest/gtest.h>

namespace kestrion {

TEST(Version, ConvVersion) {
    EXPECT_EQ(Conv_Version("VER. 1.200"), 1200);
    EXPECT_EQ(Conv_Version("1.100"), 1100);
    EXPECT_EQ(Conv_Version("VER. 2.0"), -1);
    EXPECT_EQ(Conv_Version("VER. x.100"), -1);
    EXPECT_EQ(Conv_Version(""), -1);
}

TEST(Version, ReplyIsNewerOnlyForAHigherVersion) {
    const std::pair<const char*, bool> cases[] = {
        {"ver. 1.200 ", true}, {"VER. 1.200\r\n", true}, {"VER. 1.100", false},
        {"VER. 0.900", false}, {"VER. 0.000", false},    {"", false},
        {"Not found", false},  {"VER. 9.9", false},
    };
    for (const auto& [reply, newer] : cases) EXPECT_EQ(version_reply_is_newer(reply), newer) << reply;
}

} // namespace kestrion
