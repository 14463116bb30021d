#pragma once

// Helpers shared by the engine's tests: archives written with libzip or byte
// by byte, and a recorder of everything the engine reports through its
// callbacks.

#include "unzengine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace ziptest {

// One member of an archive written through libzip.
struct Entry {
    QByteArray name;
    QByteArray data;
    bool folder = false;
    bool store = false;           // stored instead of deflated
    std::uint16_t encryption = 0; // ZIP_EM_*; needs password
    QByteArray password;
    std::optional<std::uint32_t> unixMode; // full st_mode, e.g. 0100755
    std::optional<std::time_t> mtime;

    static Entry file(const QByteArray& name, const QByteArray& data) {
        Entry e;
        e.name = name;
        e.data = data;
        return e;
    }
    static Entry folderNamed(const QByteArray& name) {
        Entry e;
        e.name = name;
        e.folder = true;
        return e;
    }
    Entry stored() const {
        Entry e = *this;
        e.store = true;
        return e;
    }
    Entry encrypted(std::uint16_t method, const QByteArray& pw) const {
        Entry e = *this;
        e.encryption = method;
        e.password = pw;
        return e;
    }
    Entry mode(std::uint32_t m) const {
        Entry e = *this;
        e.unixMode = m;
        return e;
    }
    Entry at(std::time_t t) const {
        Entry e = *this;
        e.mtime = t;
        return e;
    }
};

// Writes the archive; false when libzip refuses.
bool writeZip(const QString& path, const std::vector<Entry>& entries,
              const QByteArray& comment = {});

// One member of an archive written byte by byte, for archives that libzip
// would not write: hostile names, wrong CRCs, sizes that lie.
struct RawEntry {
    QByteArray name;
    QByteArray data;
    bool deflate = false;
    std::optional<std::uint32_t> crc;          // declared CRC instead of the true one
    std::optional<std::uint64_t> declaredSize; // declared uncompressed size
    std::uint32_t unixMode = 0;                // 0: made on DOS, no mode
    bool zip64 = false;                        // sizes in a zip64 extra field
    bool utf8 = false;                         // the name is flagged as UTF-8

    static RawEntry file(const QByteArray& name, const QByteArray& data) {
        RawEntry e;
        e.name = name;
        e.data = data;
        return e;
    }
    RawEntry deflated() const {
        RawEntry e = *this;
        e.deflate = true;
        return e;
    }
    RawEntry withCrc(std::uint32_t c) const {
        RawEntry e = *this;
        e.crc = c;
        return e;
    }
    RawEntry declaring(std::uint64_t size) const {
        RawEntry e = *this;
        e.declaredSize = size;
        return e;
    }
    RawEntry mode(std::uint32_t m) const {
        RawEntry e = *this;
        e.unixMode = m;
        return e;
    }
    RawEntry zip64Sizes() const {
        RawEntry e = *this;
        e.zip64 = true;
        return e;
    }
    RawEntry flaggedUtf8() const {
        RawEntry e = *this;
        e.utf8 = true;
        return e;
    }
};

QByteArray rawZip(const std::vector<RawEntry>& entries);
// The archive (without comment) with its end record declaring count entries.
QByteArray withEntryCount(const QByteArray& zip, std::uint16_t count);
// The archive (without comment) with every directory entry pointing at the
// first entry's local header, as the overlapping-entries zip bomb does.
QByteArray sharingFirstEntrysData(const QByteArray& zip);
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
std::uint32_t crc32(const QByteArray& data);

// Everything the engine said during one call.
struct Recorder {
    std::vector<std::string> prints; // each UnzPrint call's text
    std::vector<std::string> replaceAsked;
    std::vector<std::int32_t> replaceAnswers; // answers in order; then 100
    std::vector<std::string> passwordAsked;
    std::vector<QByteArray> passwordAnswers; // empty entry: answer 1
    int bufferSizeSeen = 0;
    struct Listed {
        std::uint64_t size;
        std::uint64_t compSize;
        std::int32_t factor;
        std::int32_t month, day, year, hour, minute;
        char kind;
        std::string name;
        std::string method;
        std::uint32_t crc;
        std::int32_t encrypted;
    };
    std::vector<Listed> listed;
    std::vector<std::string> serviced;
    int stopAtService = -1; // index of the service call that asks to stop
    struct Progress {
        std::uint64_t done, total, written;
    };
    std::vector<Progress> progress;
    // The progress callback asks to stop once this many bytes are done.
    std::optional<std::uint64_t> stopAtBytes;

    UnzCallbacks callbacks();
    // The printed text joined into lines.
    QStringList lines() const;
};

// The options the menu passes: prompt before overwriting, recreate folders.
// The paths are copied and kept alive by the helper.
UnzOptions menuOptions(const std::string& zip, const std::string& dir, bool listing);

// Runs one pass with every member selected; fills totals.
std::int32_t run(const UnzOptions& options, Recorder& recorder, UnzCallbacks* totals = nullptr);

// Names of all files and folders below dir, relative, sorted; links marked "@".
QStringList tree(const QString& dir);

} // namespace ziptest
