#pragma once

#include <QString>

#include <optional>

// Paths in config.ini were written on Windows: "\" separators, any letter case,
// relative to the menu's folder. A disc authored there must also work on a
// case-sensitive file system, so every lookup goes through here.
namespace paths {

// The file or folder that storedPath names, relative to folder unless it is
// absolute. When the exact path does not exist, each component is matched
// without regard to letter case. A path that still matches nothing is
// returned as written (joined to folder), so that opening it fails as it
// would have. Drive-letter paths cannot be meaningful where "/" is the
// separator and are returned unchanged.
QString resolve(const QString& storedPath, const QString& folder);

// The entry of folder called name, exactly or else in another letter case;
// nothing when there is none. Used for the fixed media names such as
// "sound.wav" and "splash.bmp".
std::optional<QString> findInFolder(const QString& folder, const QString& name);

// True for "C:\..." and "c:" style paths.
bool hasDriveLetter(const QString& path);

} // namespace paths
