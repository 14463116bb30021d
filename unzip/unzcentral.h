#pragma once

// The archive's central directory read by the engine itself, apart from
// libzip: to see where each entry's data lies (entries that share data are a
// zip bomb) and to rebuild a directory of the entries that can be trusted
// when libzip refuses the archive for one bad entry.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace unz {

// Reads size bytes at offset into data; false when the file is shorter.
using ReadAt = std::function<bool(std::uint64_t offset, void* data, std::size_t size)>;

struct CentralEntry {
    std::string name; // as stored, not decoded
    std::uint16_t flags = 0;
    std::uint64_t compSize = 0;
    std::uint64_t localOffset = 0;
    // The whole record, as stored, for a rebuilt directory.
    std::string record;
};

struct CentralDirectory {
    std::uint64_t offset = 0;        // where the directory starts in the file
    std::uint64_t declaredCount = 0; // entries the end record declares
    std::uint64_t declaredSize = 0;  // bytes the end record declares
    std::vector<CentralEntry> entries;
};

// Finds the end record and walks the directory record by record as far as
// the records hold together, whatever the end record declares. Nothing when
// the file has no end record.
std::optional<CentralDirectory> readCentralDirectory(const ReadAt& read, std::uint64_t fileSize);

// Why the entries' data cannot be trusted, or empty: two entries whose local
// header and data overlap.
std::string overlapRefusal(const CentralDirectory& dir);

// Why one entry is bad, or empty: a name flagged as UTF-8 that is not.
std::string entryFault(const CentralEntry& entry);

// The directory of the given entries followed by a new end record, to be
// placed at dir.offset in place of the stored one.
std::string rebuiltDirectory(const CentralDirectory& dir, const std::vector<CentralEntry>& kept);

} // namespace unz
