#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kestrion {

// The IO-Link master variants of the converter: the hardware code followed by a suffix
// that fixes how many class-A and class-B ports it has. BACnet/IP hardware comes in ten
// variants, MS/TP hardware in seven, in a different order; that is why a project stores the
// variant by name and never by position.
std::vector<std::string> IOLink_Device_List(int bacnetType);

// Port counts of a device variant.
struct ChannelCounts {
    int NChannelsA = 8;
    int NChannelsB = 0;
    int total() const { return NChannelsA + NChannelsB; }
    bool operator==(const ChannelCounts&) const = default;
};

// Looks `variant` up among all ten names without regard to letter case; a name that is
// not a variant (or none at all) gives the largest hardware, eight class-A ports, so no
// configured channel is ever cut off.
ChannelCounts Channels_Of_Device(std::string_view variant);

// The entry of IOLink_Device_List(bacnetType) equal to `stored` without regard to case,
// in the list's own spelling; the first entry when there is none.
std::string Select_Device(std::string_view stored, int bacnetType);

} // namespace kestrion
