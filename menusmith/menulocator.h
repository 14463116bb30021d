#pragma once

#include <QString>

// The menu program that a test run starts: the one on the disc in the project
// folder when there is one (a Windows disc carries its menu.exe), else the
// menu installed beside the editor, or built beside it, started on the
// project folder. Empty when neither exists.
QString menuCommandLine(const QString& projectFolder, const QString& editorFolder);

// The menu programs looked for beside the editor, in order.
QStringList installedMenuCandidates(const QString& editorFolder);
