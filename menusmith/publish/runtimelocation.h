#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The menu runtime that Publish copies onto a disc: installed below the
// library folder, found relative to the editor's own folder, or gathered in
// the build tree beside the editor's build folder.

// The folders looked in, in order.
QStringList runtimeCandidates(const QString& editorFolder);

// True when folder holds a gathered runtime: the menu program, its qt.conf
// and its libraries.
bool isRuntime(const QString& folder);

// The first candidate that holds a runtime.
std::optional<QString> findRuntime(const QString& editorFolder);
