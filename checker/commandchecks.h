#pragma once

#include "disccontext.h"

#include <QString>

// What kind of program a file on the disc is, as far as starting it goes.
enum class ProgramKind {
    Other,                // a file of no known kind: left alone
    Windows,              // ".exe", ".bat", ".cmd", ".com", ".msi"
    LinuxBinary,          // an ELF file
    Script,               // a file that starts with "#!"
    ScriptWithoutShebang, // a shell script by its name, without a "#!" line
};

ProgramKind programKind(const QString& file);

// The folder, install command and extra command of application index, as the
// menu's buttons would use them: documents, archives and programs must be on
// the disc; a program that only runs on one system, a script that cannot start
// and a program that depends on its execute bit are pointed out.
void checkApplicationCommands(DiscContext& context, int index);
