#pragma once

#include <QString>
#include <QStringList>

// The folders that Start creates before extracting: every prefix of the
// extraction path that ends in its second or a later separator ("\" or "/"),
// in order. "C:\Games\Demo\" gives "C:\Games\" and "C:\Games\Demo\"; the drive
// root is never among them.
QStringList extractionFolderPrefixes(const QString& extractRoot);

// Creates those folders; one that exists or cannot be made is passed over.
void createExtractionFolders(const QString& extractRoot);
