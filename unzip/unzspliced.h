#pragma once

// An archive opened with a directory of the engine's own in place of the
// stored one: the file's bytes up to the stored directory, then new bytes.
// Lets libzip read the trustworthy members of an archive whose directory it
// refuses as a whole.

#include "unzcentral.h"

#include <zip.h>

#include <string>

namespace unz {

// The archive, or null with error set to a ZIP_ER_* code. read must stay
// valid as long as the archive is open.
zip_t* openSpliced(ReadAt read, std::uint64_t prefixSize, std::string tail, int& error);

} // namespace unz
