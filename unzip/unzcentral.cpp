#include "unzcentral.h"

#include <algorithm>
#include <limits>

namespace unz {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kEnd64Signature = 0x06064b50;
constexpr std::uint32_t kLocator64Signature = 0x07064b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kLocator64Size = 20;
constexpr std::size_t kEnd64Size = 56;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::uint16_t kUtf8Flag = 0x0800;
constexpr std::uint16_t kZip64Extra = 0x0001;
constexpr std::uint32_t kMax32 = 0xffffffff;
constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

std::uint64_t le(const unsigned char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | p[i];
    }
    return v;
}

const unsigned char* bytes(const std::string& s, std::size_t at = 0) {
    return reinterpret_cast<const unsigned char*>(s.data()) + at;
}

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

// The sizes and offset that do not fit 32 bits stand in the zip64 extra
// field, in this order, each only when its 32-bit field is all ones.
void applyZip64(CentralEntry& e, std::uint64_t size32, const std::string& extra) {
    std::size_t at = 0;
    while (at + 4 <= extra.size()) {
        const auto id = static_cast<std::uint16_t>(le(bytes(extra, at), 2));
        const std::size_t length = le(bytes(extra, at + 2), 2);
        if (at + 4 + length > extra.size()) {
            return;
        }
        if (id == kZip64Extra) {
            std::size_t field = at + 4;
            const std::size_t end = field + length;
            const auto take = [&](std::uint64_t& value) {
                if (field + 8 <= end) {
                    value = le(bytes(extra, field), 8);
                    field += 8;
                }
            };
            std::uint64_t size = 0;
            if (size32 == kMax32) {
                take(size);
            }
            if (e.compSize == kMax32) {
                take(e.compSize);
            }
            if (e.localOffset == kMax32) {
                take(e.localOffset);
            }
            return;
        }
        at += 4 + length;
    }
}

bool validUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int more = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xe0) == 0xc0) {
            more = 1;
            cp = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            more = 2;
            cp = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            more = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= s.size()) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xc0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (d & 0x3f);
        }
        static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[more] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) {
            return false;
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

} // namespace

std::optional<CentralDirectory> readCentralDirectory(const ReadAt& read, std::uint64_t fileSize) {
    if (fileSize < kEndSize) {
        return std::nullopt;
    }
    // The end record is the last thing in the file, before a comment of at
    // most 65535 bytes.
    const std::uint64_t tailSize = std::min<std::uint64_t>(fileSize, kEndSize + 0xffff);
    std::string tail(static_cast<std::size_t>(tailSize), '\0');
    if (!read(fileSize - tailSize, tail.data(), tail.size())) {
        return std::nullopt;
    }
    std::optional<std::size_t> end;
    for (std::size_t at = tail.size() - kEndSize + 1; at-- > 0;) {
        if (le(bytes(tail, at), 4) == kEndSignature &&
            at + kEndSize + le(bytes(tail, at + 20), 2) <= tail.size()) {
            end = at;
            break;
        }
    }
    if (!end) {
        return std::nullopt;
    }
    CentralDirectory dir;
    dir.declaredCount = le(bytes(tail, *end + 10), 2);
    dir.declaredSize = le(bytes(tail, *end + 12), 4);
    dir.offset = le(bytes(tail, *end + 16), 4);
    const std::uint64_t endOffset = fileSize - tailSize + *end;

    // A zip64 end record, when its locator stands just before the end record.
    if (endOffset >= kLocator64Size) {
        unsigned char locator[kLocator64Size];
        unsigned char end64[kEnd64Size];
        if (read(endOffset - kLocator64Size, locator, sizeof locator) &&
            le(locator, 4) == kLocator64Signature) {
            const std::uint64_t at = le(locator + 8, 8);
            if (at + kEnd64Size <= fileSize && read(at, end64, sizeof end64) &&
                le(end64, 4) == kEnd64Signature) {
                dir.declaredCount = le(end64 + 32, 8);
                dir.declaredSize = le(end64 + 40, 8);
                dir.offset = le(end64 + 48, 8);
            }
        }
    }
    if (dir.offset >= endOffset) {
        return dir;
    }

    // Walk the records for as long as they are whole and lie before the end
    // record, whatever their declared number.
    std::string records(static_cast<std::size_t>(endOffset - dir.offset), '\0');
    if (!read(dir.offset, records.data(), records.size())) {
        return dir;
    }
    std::size_t at = 0;
    while (at + kCentralSize <= records.size() && le(bytes(records, at), 4) == kCentralSignature) {
        const std::size_t nameLength = le(bytes(records, at + 28), 2);
        const std::size_t extraLength = le(bytes(records, at + 30), 2);
        const std::size_t commentLength = le(bytes(records, at + 32), 2);
        const std::size_t length = kCentralSize + nameLength + extraLength + commentLength;
        if (at + length > records.size()) {
            break;
        }
        CentralEntry e;
        e.flags = static_cast<std::uint16_t>(le(bytes(records, at + 8), 2));
        e.compSize = le(bytes(records, at + 20), 4);
        e.localOffset = le(bytes(records, at + 42), 4);
        e.name = records.substr(at + kCentralSize, nameLength);
        applyZip64(e, le(bytes(records, at + 24), 4),
                   records.substr(at + kCentralSize + nameLength, extraLength));
        e.record = records.substr(at, length);
        dir.entries.push_back(std::move(e));
        at += length;
    }
    return dir;
}

std::string overlapRefusal(const CentralDirectory& dir) {
    struct Span {
        std::uint64_t begin;
        std::uint64_t end;
    };
    std::vector<Span> spans;
    spans.reserve(dir.entries.size());
    for (const CentralEntry& e : dir.entries) {
        // At least a local header and the compressed data belong to the entry.
        const std::uint64_t length = kLocalHeaderSize + e.compSize;
        const std::uint64_t end = e.localOffset > kMax64 - length ? kMax64 : e.localOffset + length;
        spans.push_back({e.localOffset, end});
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.begin < b.begin; });
    for (std::size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].begin < spans[i - 1].end) {
            return "invalid zip file with overlapped components (possible zip bomb)";
        }
    }
    return {};
}

std::string entryFault(const CentralEntry& entry) {
    if ((entry.flags & kUtf8Flag) != 0 && !validUtf8(entry.name)) {
        return "name flagged as UTF-8 is not UTF-8";
    }
    return {};
}

std::string rebuiltDirectory(const CentralDirectory& dir, const std::vector<CentralEntry>& kept) {
    std::string out;
    for (const CentralEntry& e : kept) {
        out += e.record;
    }
    const std::uint64_t size = out.size();
    const std::uint64_t count = kept.size();
    const bool zip64 = count >= 0xffff || size >= kMax32 || dir.offset >= kMax32;
    if (zip64) {
        const std::uint64_t end64At = dir.offset + size;
        put(out, kEnd64Signature, 4);
        put(out, kEnd64Size - 12, 8);
        put(out, 45, 2); // made by
        put(out, 45, 2); // needed
        put(out, 0, 4);
        put(out, 0, 4);
        put(out, count, 8);
        put(out, count, 8);
        put(out, size, 8);
        put(out, dir.offset, 8);
        put(out, kLocator64Signature, 4);
        put(out, 0, 4);
        put(out, end64At, 8);
        put(out, 1, 4);
    }
    put(out, kEndSignature, 4);
    put(out, 0, 4);
    put(out, zip64 ? 0xffff : count, 2);
    put(out, zip64 ? 0xffff : count, 2);
    put(out, zip64 ? kMax32 : size, 4);
    put(out, zip64 ? kMax32 : dir.offset, 4);
    put(out, 0, 2);
    return out;
}

} // namespace unz
