#pragma once

#include <cstdint>

// Result codes of Wiz_SingleEntryUnzip and UzpVersion2. The binding only shows
// them to the user; they are kept small and stable so that a code read aloud
// from an error box can be looked up here.
//
// When several problems occur in one pass the result is the first of these
// that applies: UnzCancelled, UnzDiskFull, UnzDamaged, UnzMemberFailed,
// UnzMemberRefused.
enum UnzResult : std::int32_t {
    UnzOk = 0,
    // At least one member could not be extracted: corrupt data or CRC, wrong
    // or missing password, unsupported method, a file or folder that could
    // not be written. The other members were still extracted.
    UnzMemberFailed = 1,
    // At least one member was refused for safety: a name that would land
    // outside the extraction folder, a symbolic link, a member that inflates
    // beyond its declared size. The other members were still extracted.
    UnzMemberRefused = 2,
    // The archive exists but is not a zip archive, or is damaged beyond reading.
    UnzNotAZip = 3,
    // The archive file does not exist or cannot be opened.
    UnzArchiveMissing = 4,
    // The extraction folder's file system has less free space than the
    // archive declares, or filled up while writing. The pass stopped there.
    UnzDiskFull = 5,
    // A null record, a record length that does not match, or a list count
    // outside 0..100.
    UnzBadArguments = 6,
    // UnzService asked to stop; the members after that point were left alone.
    UnzCancelled = 7,
    // The include list matched no member of the archive.
    UnzNoMatch = 8,
    // The archive was refused whole, before anything was written: several
    // entries point into the same data, so that a small archive would fill
    // the disk (the overlapping-entries zip bomb).
    UnzArchiveRefused = 9,
    // The archive's directory is damaged: its end record declares another
    // number of entries than it holds, or an entry cannot be read (a name
    // flagged as UTF-8 that is not). The members that could still be read
    // were extracted; the others were reported, one line each.
    UnzDamaged = 10,
};

// Answers of UnzReplace.
enum UnzReplaceAnswer : std::int32_t {
    UnzReplaceNo = 100,    // keep the existing file
    UnzReplaceYes = 102,   // overwrite it
    UnzReplaceNoAll = 104, // keep it and every further existing file of this pass
};

// Answers of UnzPassword.
enum UnzPasswordAnswer : std::int32_t {
    UnzPasswordGiven = 0, // the buffer holds the password, NUL-terminated
    UnzPasswordNone = 1,  // no password: the member is skipped
};
