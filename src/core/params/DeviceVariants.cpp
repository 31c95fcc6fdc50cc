#include "params/DeviceVariants.h"

#include "texts/StringUtil.h"
#include "workspace/ModelIdentity.h"

#include <array>

namespace kestrion {
namespace {

struct Variant {
    std::string_view suffix;
    ChannelCounts channels;
};

// The BACnet/IP order; the channel model looks names up in this list whatever the type.
constexpr std::array<Variant, 10> kAllVariants{{
    {"-A1-4A", {4, 0}},
    {"-A1-2A", {2, 0}},
    {"-A1-2A-2B", {2, 2}},
    {"-A1-2B", {0, 2}},
    {"-A1-4B", {0, 4}},
    {"-A1-4A-4B", {4, 4}},
    {"-A1-8A", {8, 0}},
    {"-A1-6A", {6, 0}},
    {"-A1-2A-4B", {2, 4}},
    {"-A1-4A-2B", {4, 2}},
}};

// MS/TP hardware: positions in kAllVariants, in the order the MS/TP list shows them.
constexpr std::array<int, 7> kMstpVariants{0, 1, 2, 3, 4, 8, 7};

} // namespace

std::vector<std::string> IOLink_Device_List(int bacnetType) {
    const std::string hw = Get_HW_Code();
    std::vector<std::string> names;
    if (bacnetType == 0) {
        for (const auto& v : kAllVariants)
            names.push_back(hw + std::string(v.suffix));
    } else {
        for (int i : kMstpVariants)
            names.push_back(hw + std::string(kAllVariants[i].suffix));
    }
    return names;
}

ChannelCounts Channels_Of_Device(std::string_view variant) {
    const std::string hw = Get_HW_Code();
    for (const auto& v : kAllVariants)
        if (iequals(variant, hw + std::string(v.suffix))) return v.channels;
    return {};
}

std::string Select_Device(std::string_view stored, int bacnetType) {
    const auto names = IOLink_Device_List(bacnetType);
    for (const auto& name : names)
        if (iequals(stored, name)) return name;
    return names.front();
}

} // namespace kestrion
