#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrion {

// Outcome of writing a file: empty error means it worked; otherwise the system's reason.
struct WriteResult {
    std::string error;
    bool ok() const { return error.empty(); }
};

// Replaces `file` with `bytes` so that readers see either the old or the new content,
// never half a file: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old one.
WriteResult write_file_atomically(const std::filesystem::path& file, std::string_view bytes);

// Reads a whole file; false when it cannot be opened or read.
bool read_file(const std::filesystem::path& file, std::string& bytes);

} // namespace kestrion
