#pragma once

#include <configfile.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The files Publish writes at the root of a disc, beside config.ini, so that
// desktops offer to start the menu and people know how to start it by hand.
namespace discfiles {

// The folder below the disc's root that holds the menu runtime.
inline const QString runtimeFolderName = QStringLiteral("discmenu-runtime");

// The disc's name: its title, or the project folder's name when it has none.
QString discLabel(const ConfigFile& config, const QString& projectFolder);

// autorun.inf for Windows Explorer: the label and, when [ICON] is set, the
// icon; in the Windows code page, with CR LF line ends.
QByteArray autorunInf(const QString& label, const QString& icon);

// An ISO 9660 volume name: at most 32 upper-case letters, digits and "_".
QString volumeName(const QString& label);

// Writes menu.sh, autorun.sh, .autorun, autorun.inf, LEGGIMI.txt, README.txt
// and, when [ICON] names a picture that loads, .VolumeIcon.png into target.
// A file the project has itself, in any letter case, is the author's and stays
// (FAT and Joliet do not tell "readme.txt" from "README.txt"): its name goes
// into kept. Returns the file that could not be written, and why, or nothing.
std::optional<QString> writeDiscFiles(const QString& target, const ConfigFile& config,
                                      const QString& projectFolder, QStringList* kept);

} // namespace discfiles
