#pragma once

#include <QString>

// The editor's guide. A build tree or a portable copy carries it in Help/
// beside the program; an installed editor finds it in the documentation
// folder of the install prefix, relative to its own folder. When neither
// exists the page beside the program is named, as a copy would have it.
QString helpPagePath(const QString& editorFolder);
