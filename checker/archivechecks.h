#pragma once

#include "disccontext.h"

#include <QString>

#include <optional>

// What the unzip engine makes of an archive without extracting it.
struct ArchiveInspection {
    bool readable = false;
    // The first member that extraction would refuse, and why; empty when none.
    QString refusedMember;
    QString refusal;
};

// Lists the archive with the menu's own zip engine and puts each member name
// through the engine's path rules: a name that climbs out of the extraction
// folder, an absolute or drive name, or a symbolic link is refused.
ArchiveInspection inspectArchive(const QString& path);

// The archive of an [UNZIP] command: on the disc, a readable zip, no member
// that extraction would refuse.
void checkArchive(DiscContext& context, const QString& storedPath, const FindingPlace& place);
