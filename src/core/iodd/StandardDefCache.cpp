#include "iodd/StandardDefCache.h"

#include <map>
#include <mutex>

namespace kestrion::iodd_detail {

namespace {

struct Stamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool operator==(const Stamp&) const = default;
};

struct Entry {
    Stamp stamp;
    std::shared_ptr<const StandardDefinitions> definitions;
};

// A handful of files at most (two revisions, perhaps in a few folders); a bound keeps a
// program that is pointed at ever new folders from growing without end.
constexpr std::size_t Max_Entries = 16;

std::mutex& cache_mutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::filesystem::path, Entry>& cache() {
    static std::map<std::filesystem::path, Entry> entries;
    return entries;
}

} // namespace

std::shared_ptr<const StandardDefinitions>
cached_standard_definitions(const std::filesystem::path& file, const StandardDefLoader& load,
                            std::string& why) {
    std::error_code sizeError, timeError;
    const Stamp stamp{std::filesystem::file_size(file, sizeError),
                      std::filesystem::last_write_time(file, timeError)};
    // Without a stamp the file is read every time; the loader reports what is wrong.
    const bool stamped = !sizeError && !timeError;
    if (stamped) {
        const std::lock_guard lock(cache_mutex());
        const auto found = cache().find(file);
        if (found != cache().end() && found->second.stamp == stamp)
            return found->second.definitions;
    }
    auto definitions = std::make_shared<StandardDefinitions>();
    if (why = load(*definitions); !why.empty()) return nullptr;
    if (stamped) {
        const std::lock_guard lock(cache_mutex());
        auto& entries = cache();
        if (entries.size() >= Max_Entries && !entries.contains(file)) entries.clear();
        entries[file] = {stamp, definitions};
    }
    return definitions;
}

} // namespace kestrion::iodd_detail
