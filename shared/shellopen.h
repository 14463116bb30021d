#pragma once

#include <QString>

class Desktop;

// True when text starts with a URL scheme such as "http:" or "mailto:". A
// single letter before the colon is a drive, not a scheme.
bool hasUrlScheme(const QString& text);

// What the shell is asked to open for target, as the Windows shell reads it:
// an address with a scheme as it is; an existing document (relative to
// currentFolder, "\" and letter case forgiven) as its full path; a bare
// "www." or "ftp." host as a web or FTP address; anything else as written.
QString shellTarget(const QString& target, const QString& currentFolder);

// Hands target to the desktop's default action, as the menu's internet
// actions, the about boxes and the editor's links do. Callers ignore the result.
bool openWithShell(Desktop& desktop, const QString& target);
