#include "iodd/IoddCatalog.h"

#include "iodd/TIODD.h"
#include "texts/StringUtil.h"

namespace kestrion {

std::vector<std::string> catalog_file_names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::filesystem::path& path = it->path();
        if (iequals(path.extension().string(), ".xml")) names.push_back(path.filename().string());
    }
    return names;
}

IoddCatalogEntry read_catalog_entry(const std::filesystem::path& file) {
    IoddCatalogEntry entry;
    entry.FileName = file.filename().string();
    // The quick read needs no standard definitions.
    TIODD iodd;
    if (const IoddResult result = iodd.Decode_IODD(file, true); !result) {
        entry.Problem = result.reason;
        return entry;
    }
    const TDeviceIdentity& identity = iodd.ProfileBody.DeviceIdentity;
    entry.Vendor = iodd.GetDesc_ExtTextCol(false, identity.FVendorName);
    entry.DeviceName = iodd.GetDesc_ExtTextCol(false, identity.FDeviceName);
    return entry;
}

std::vector<IoddCatalogEntry> Read_Catalog(const std::filesystem::path& folder,
                                           const CatalogProgress& progress) {
    const std::vector<std::string> names = catalog_file_names(folder);
    std::vector<IoddCatalogEntry> entries;
    entries.reserve(names.size());
    for (const std::string& name : names) {
        entries.push_back(read_catalog_entry(folder / name));
        if (progress && !progress(entries.size(), names.size())) break;
    }
    return entries;
}

std::filesystem::path catalog_target(const std::filesystem::path& folder,
                                     const std::filesystem::path& source) {
    return folder / source.filename();
}

WriteResult add_to_catalog(const std::filesystem::path& folder,
                           const std::filesystem::path& source) {
    std::string bytes;
    if (!read_file(source, bytes)) return {source.string() + ": the file could not be read"};
    return write_file_atomically(catalog_target(folder, source), bytes);
}

} // namespace kestrion
