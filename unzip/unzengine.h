#pragma once

// The zip engine behind the menu's unzip window. It offers the two calls of
// the unzip library that the menu was written against, UzpVersion2 and
// Wiz_SingleEntryUnzip, with the same records in the same field order, and
// does the work with libzip.
//
// All strings are 8-bit, NUL-terminated, in the platform's file-name encoding
// (UTF-8 here). Member names are passed on as libzip decodes them: UTF-8 when
// the archive says so, otherwise converted from the DOS code page.
//
// Wiz_SingleEntryUnzip returns when all its work is done. Plain members may
// be inflated on worker threads meanwhile, but every callback is called on
// the caller's thread, during the call and never afterwards, in the order
// and with the texts of extracting the members one by one.

#include "unzerrors.h"

#include <cstdint>
#include <functional>

// The option record. Fields 1 to 15 are flags or levels (0 = off); 16 and 17
// are the two paths. The order is the order of the library's option record.
struct UnzOptions {
    // 1. Extract a member only when a file of its name already exists and is
    //    older than the member; other members are passed over.
    std::int32_t extractOnlyNewer = 0;
    // 2. Write blanks in member names as underscores.
    std::int32_t spaceToUnderscore = 0;
    // 3. Ask UnzReplace before overwriting an existing file. When both this
    //    and field 11 are 0, existing files are never overwritten.
    std::int32_t promptToOverwrite = 0;
    // 4. 0: all lines; 1: only the lines about problems; 2 or more: no lines.
    std::int32_t quietLevel = 0;
    // 5. Send the members' contents through UnzPrint instead of writing files.
    std::int32_t writeToStdout = 0;
    // 6. Read and check every member (CRC, passwords) but write nothing.
    std::int32_t testArchive = 0;
    // 7. 1: list the members through UnzListEntry and extract nothing.
    //    0: extract.
    std::int32_t listOnly = 0;
    // 8. Extract a member when no file of its name exists or the existing
    //    file is older than the member; newer or equal files are passed over.
    std::int32_t updateMode = 0;
    // 9. Print the archive comment before the members.
    std::int32_t showComment = 0;
    // 10. Recreate the folders stored in the archive. When 0 every file goes
    //     straight into the extraction folder under its last name part.
    std::int32_t recreateFolders = 0;
    // 11. Overwrite existing files without asking.
    std::int32_t overwriteAll = 0;
    // 12. Turn CR LF line ends into LF in every extracted file.
    std::int32_t translateLineEnds = 0;
    // 13. Listing lines carry the method, compressed size, factor and CRC too.
    std::int32_t verbose = 0;
    // 14. Match the include and exclude names without regard to case.
    std::int32_t caseInsensitive = 0;
    // 15. Restore all nine permission bits stored in the archive. When 0 a
    //    file gets the usual permissions of a new file, plus execute where it
    //    may be read if the archive marks it executable for its owner.
    //    Set-user-ID, set-group-ID and sticky bits are never restored.
    std::int32_t restorePrivileges = 0;
    // 16. Path of the archive.
    const char* zipFileName = nullptr;
    // 17. Folder to extract into; created when missing. Empty or null means
    //     the current folder.
    const char* extractionDirectory = nullptr;
};

// A list of member names for the include and exclude lists. The names may
// hold the wildcards "*" (any run of characters, "/" included) and "?" (one
// character). Null entries are ignored; only the first `count` entries that
// the call names are looked at.
constexpr int UnzNameListSize = 100;
struct UnzNameList {
    const char* names[UnzNameListSize] = {};
};

// Output text: a piece of a line, or a line end. Result is ignored (0).
using UnzPrintFn = std::function<std::int32_t(const char* text, std::uint32_t length)>;
// The sound slot of the record. The engine never calls it.
using UnzSoundFn = std::function<void()>;
// A file to be extracted exists already; fileName is the path it would be
// written to. Result: one of UnzReplaceAnswer; any other value keeps the file.
using UnzReplaceFn = std::function<std::int32_t(const char* fileName)>;
// A member is encrypted and no password of this pass opens it. The callback
// writes a NUL-terminated password into buffer (bufferSize bytes, zeroed
// beforehand) and returns UnzPasswordGiven, or returns UnzPasswordNone.
// prompt is a line to show; fileName is the member's name.
using UnzPasswordFn = std::function<std::int32_t(char* buffer, std::int32_t bufferSize,
                                                 const char* prompt, const char* fileName)>;
// One call per member in a listing pass:
//   uncompressed size, compressed size, compression factor in percent,
//   month (1-12), day (1-31), year (four digits), hour, minute,
//   kind ('-' file, 'd' folder, 'l' symbolic link),
//   member name, method name ("Stored", "Deflate", ...), CRC-32,
//   encrypted (0 or 1).
using UnzListEntryFn =
    std::function<void(std::uint64_t uncompressedSize, std::uint64_t compressedSize,
                       std::int32_t factor, std::int32_t month, std::int32_t day, std::int32_t year,
                       std::int32_t hour, std::int32_t minute, char kind, const char* fileName,
                       const char* method, std::uint32_t crc, std::int32_t encrypted)>;
// Called with a member's name just before the member is processed in an
// extraction or test pass. Result 0 goes on; any other value stops the pass.
using UnzServiceFn = std::function<std::int32_t(const char* text, std::uint32_t length)>;

// How far an extraction or test pass has come: bytesDone of bytesTotal, the
// declared sizes of the selected members (bytesTotal is the same in every
// call of a pass), and membersWritten, the files and folders written so far.
// Called once before the first member, after each piece of data written (at
// most 1 MiB apart) and after each member; while a member's data is awaited
// from a worker, at least every 10 ms with the same figure. Pieces that a
// worker wrote ahead are told when the member's turn comes, in the order they
// were written. Result 0 goes on; any other value
// stops the pass at once: the member being written is removed, and so are
// the members written ahead; the members finished before stay, and the pass
// returns UnzCancelled.
using UnzProgressFn = std::function<std::int32_t(std::uint64_t bytesDone, std::uint64_t bytesTotal,
                                                 std::uint64_t membersWritten)>;

// The record of callbacks and totals. Empty callbacks are simply not called
// (an empty UnzReplace keeps existing files, an empty UnzPassword gives no
// password). Fields 7 to 11 are written by every call of Wiz_SingleEntryUnzip
// that gets as far as opening the archive, and zeroed otherwise; they cover
// the members the call looked at (all members when the include and exclude
// counts are 0).
struct UnzCallbacks {
    UnzPrintFn print;         // 1
    UnzSoundFn sound;         // 2
    UnzReplaceFn replace;     // 3
    UnzPasswordFn password;   // 4
    UnzListEntryFn listEntry; // 5
    UnzServiceFn service;     // 6
    // 7. Sum of the members' compressed sizes.
    std::uint64_t totalSizeComp = 0;
    // 8. Sum of the members' uncompressed sizes.
    std::uint64_t totalSize = 0;
    // 9. round((1 - field 7 / field 8) x 100); 0 when field 8 is 0. Negative
    //    when the archive is larger than its contents.
    std::int32_t compressionFactor = 0;
    // 10. Number of members.
    std::uint64_t numMembers = 0;
    // 11. Length of the archive comment in bytes; 0 when there is none.
    std::uint16_t commentLength = 0;
    // 12. Progress of extraction and test passes; may be empty.
    UnzProgressFn progress;
};

// One group of version numbers in UnzVersion.
struct UnzVersionNumber {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint8_t patchLevel = 0;
    std::uint8_t notUsed = 0;
};

// Flags of UnzVersion.
enum UnzVersionFlag : std::uint32_t {
    UnzFlagTraditionalEncryption = 1u << 0, // traditional PKWARE passwords
    UnzFlagAesEncryption = 1u << 1,         // WinZip AES passwords
    UnzFlagLargeArchives = 1u << 2,         // archives and members above 4 GiB
};

// The version record, 64 bytes. The caller sets structLength to 64.
struct UnzVersion {
    std::uint32_t structLength = 0;
    std::uint32_t flag = 0;             // UnzVersionFlag bits
    char betaLevel[10] = {};            // "" for a release
    char date[20] = {};                 // release date of the engine, "YYYY-MM-DD"
    char zlibVersion[10] = {};          // version of the compression library (libzip)
    UnzVersionNumber engine;            // this engine
    UnzVersionNumber compression;       // libzip, as in zlibVersion
    UnzVersionNumber interfaceRevision; // revision of these records
    UnzVersionNumber notUsed;
};
static_assert(sizeof(UnzVersion) == 64, "UnzVersion is a 64-byte record");

// Fills version when its structLength is at least 64; returns UnzOk, or
// UnzBadArguments without touching it.
std::int32_t UzpVersion2(UnzVersion* version);

// Lists (options->listOnly = 1), tests or extracts the archive
// options->zipFileName. includeCount and excludeCount (0 to 100) say how many
// entries of the two lists count; with an include count of 0 every member is
// taken, and members matching an exclude entry are passed over. Returns a
// UnzResult. callbacks may be null.
//
// In an extraction or test pass every member that the lists select gives
// exactly two calls of UnzPrint (unless quietLevel asks for fewer): its line,
// such as "  inflating: docs/readme.txt" or "   skipping: old.txt  (kept)",
// and then its line end, which carries the reason first when the member
// failed. A listing pass prints one line and one line end per member.
std::int32_t Wiz_SingleEntryUnzip(std::int32_t includeCount, const UnzNameList* includeList,
                                  std::int32_t excludeCount, const UnzNameList* excludeList,
                                  const UnzOptions* options, UnzCallbacks* callbacks);
