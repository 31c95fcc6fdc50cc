#pragma once
#include "platform/AtomicFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kestrion {

// One row of the IODD catalog: the file and the names its quick read found. A file that
// is no usable IODD keeps empty names and says why in Problem.
struct IoddCatalogEntry {
    std::string FileName;
    std::string Vendor;
    std::string DeviceName;
    std::string Problem; // empty when the file was read

    bool operator==(const IoddCatalogEntry&) const = default;
};

// Names of the catalog's entries (files ending in .xml, in any case) in the order the
// folder listing gives them. A missing folder has none.
std::vector<std::string> catalog_file_names(const std::filesystem::path& folder);

// Quick read (identity and texts) of one catalog file.
IoddCatalogEntry read_catalog_entry(const std::filesystem::path& file);

// Called after each entry with (entries done, entries in all); false stops the listing.
using CatalogProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Every entry of the catalog folder. One unreadable file never hides the others.
std::vector<IoddCatalogEntry> Read_Catalog(const std::filesystem::path& folder,
                                           const CatalogProgress& progress = {});

// Where a file added to the catalog goes: the folder plus the file's own name.
std::filesystem::path catalog_target(const std::filesystem::path& folder,
                                     const std::filesystem::path& source);

// Copies `source` into the catalog folder, replacing a file of the same name. The copy is
// written beside its final name first, so a failure leaves the catalog as it was.
WriteResult add_to_catalog(const std::filesystem::path& folder,
                           const std::filesystem::path& source);

} // namespace kestrion
