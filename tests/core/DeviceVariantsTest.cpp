#include "params/DeviceVariants.h"

#include <gtest/gtest.h>

namespace kestrion {

TEST(DeviceVariants, ListsFollowTheBacnetType) {
    const std::vector<std::string> ip{"GX30412-A1-4A",   "GX30412-A1-2A", "GX30412-A1-2A-2B",
                                      "GX30412-A1-2B",   "GX30412-A1-4B", "GX30412-A1-4A-4B",
                                      "GX30412-A1-8A",   "GX30412-A1-6A", "GX30412-A1-2A-4B",
                                      "GX30412-A1-4A-2B"};
    const std::vector<std::string> mstp{"GX30412-A1-4A", "GX30412-A1-2A", "GX30412-A1-2A-2B",
                                        "GX30412-A1-2B", "GX30412-A1-4B", "GX30412-A1-2A-4B",
                                        "GX30412-A1-6A"};
    EXPECT_EQ(IOLink_Device_List(0), ip);
    EXPECT_EQ(IOLink_Device_List(1), mstp);
    EXPECT_EQ(IOLink_Device_List(7), mstp); // any type but 0 is MS/TP
}

TEST(DeviceVariants, ChannelsOfEveryVariant) {
    struct Case {
        const char* name;
        ChannelCounts expected;
    };
    const Case cases[] = {
        {"GX30412-A1-4A", {4, 0}},    {"GX30412-A1-2A", {2, 0}},    {"GX30412-A1-2A-2B", {2, 2}},
        {"GX30412-A1-2B", {0, 2}},    {"GX30412-A1-4B", {0, 4}},    {"GX30412-A1-4A-4B", {4, 4}},
        {"GX30412-A1-8A", {8, 0}},    {"GX30412-A1-6A", {6, 0}},    {"GX30412-A1-2A-4B", {2, 4}},
        {"GX30412-A1-4A-2B", {4, 2}}, {"gx30412-a1-2a-4b", {2, 4}}, // case does not matter
        {"GX30412-A1-2A ", {8, 0}},   {"-A1-2A", {8, 0}},           {"", {8, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Channels_Of_Device(c.name), c.expected) << c.name;
    }
    EXPECT_EQ(Channels_Of_Device("GX30412-A1-4A-4B").total(), 8);
}

TEST(DeviceVariants, SelectDeviceMatchesWholeNamesOfTheTypesList) {
    EXPECT_EQ(Select_Device("gx30412-a1-8a", 0), "GX30412-A1-8A");
    EXPECT_EQ(Select_Device("GX30412-A1-8A", 1), "GX30412-A1-4A"); // no 8A on MS/TP hardware
    EXPECT_EQ(Select_Device("GX30412-A1-2A-4B", 1), "GX30412-A1-2A-4B");
    EXPECT_EQ(Select_Device("GX30412-A1-2A-4", 0), "GX30412-A1-4A");
    EXPECT_EQ(Select_Device("", 0), "GX30412-A1-4A");
}

} // namespace kestrion
