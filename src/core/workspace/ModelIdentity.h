#pragma once
#include <string>
#include <string_view>

namespace kestrion {

// Identity of the converter model this build serves.
inline constexpr std::string_view SW_Code = "CX30412";
inline constexpr std::string_view SW_Desc = "IO-Link / BACnet Slave - Converter";
inline constexpr std::string_view SW_Caption =
    "Tavrin - Configurator CX30412 - IO-Link / BACnet Slave ";
inline constexpr std::string_view Program_Version = "1.100";
inline constexpr std::string_view Document_Code = "MN30412_ENG";

// The maker's web site: home page, download page and version server all live here.
inline constexpr std::string_view Maker_Host = "https://www.tavrin.com";

// Hardware code of the converter; device-variant names are built by appending a suffix.
inline std::string Get_HW_Code() { return "GX30412"; }

} // namespace kestrion
