#include "workspace/Version.h"

#include "texts/StringUtil.h"
#include "workspace/ModelIdentity.h"

namespace kestrion {
namespace {

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

} // namespace

int Conv_Version(std::string_view text) {
    const size_t blank = text.find(' ');
    const std::string_view version =
        trim_blanks(blank == std::string_view::npos ? text : text.substr(blank + 1));
    if (version.size() < 5) return -1;
    // Digits 1, 3, 4 and 5: the point at position 2 is skipped.
    const std::string digits{version[0], version[2], version[3], version[4]};
    for (char c : digits)
        if (c < '0' || c > '9') return -1;
    return static_cast<int>(*parse_integer(digits));
}

bool version_reply_is_newer(std::string_view reply) {
    const std::string upper = [&] {
        std::string s(trim(reply));
        for (char& c : s)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return s;
    }();
    if (upper.empty() || upper == "VER. 0.000") return false;
    const int local = Conv_Version(Program_Version);
    const int remote = Conv_Version(trim_blanks(reply));
    if (local < 0 || remote < 0) return false;
    return remote > local;
}

std::string version_request_path() {
    return "/home/download/GetversionSW.asp?nomesw=" + std::string(SW_Code);
}

std::string download_page_url() {
    return std::string(Maker_Host) + "/Home/download/download.asp#" + Get_HW_Code();
}

std::string home_page_url() {
    return std::string(Maker_Host) + "/HOME/default.asp?frompg=" + std::string(SW_Code);
}

} // namespace kestrion
