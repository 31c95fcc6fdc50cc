#pragma once
#include <string>
#include <string_view>

namespace kestrion {

// A version text such as "VER. 1.200" or "1.100" as its four-digit integer (1200, 1100),
// or -1 when it holds no version of the form d.ddd.
int Conv_Version(std::string_view text);

// Whether a reply of the version server announces a version newer than this program's.
// An empty reply (the request failed), "VER. 0.000" and replies without a version do not.
bool version_reply_is_newer(std::string_view reply);

// Path and query of the version request, to be put behind the maker's host.
std::string version_request_path();
// The download page the update notices link to.
std::string download_page_url();
// The maker's home page.
std::string home_page_url();

} // namespace kestrion
