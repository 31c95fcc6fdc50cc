#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kestrion {
namespace {

std::filesystem::path temporary_beside(const std::filesystem::path& file) {
    std::random_device rd;
    return file.parent_path() /
           (file.filename().string() + ".tmp-" + std::to_string(rd() % 1000000));
}

std::string system_reason(int err) { return std::strerror(err); }

} // namespace

WriteResult write_file_atomically(const std::filesystem::path& file, std::string_view bytes) {
    const auto temp = temporary_beside(file);
    const std::string where = file.string() + ": ";
#ifndef _WIN32
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return {where + system_reason(errno)};
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = errno ? errno : EIO;
            ::close(fd);
            ::unlink(temp.c_str());
            return {where + system_reason(err)};
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return {where + system_reason(err)};
    }
#else
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return {where + "the file could not be written"};
        }
    }
#endif
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return {where + ec.message()};
    }
    return {};
}

bool read_file(const std::filesystem::path& file, std::string& bytes) {
    // A folder opens like a file on some systems and only fails (by throwing) when read.
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return false;
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return false;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace kestrion
