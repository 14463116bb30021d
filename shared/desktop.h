#pragma once

#include <QString>

// What the programs ask of the desktop: opening documents and addresses,
// starting programs and showing folders. Windows talk to this interface only,
// so that tests can see every request without anything being started.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Opens a document, folder or address (http, ftp, mailto, ...) with the
    // desktop's default action. A relative path is taken from the current folder.
    virtual bool openDocumentOrAddress(const QString& target) = 0;

    // Starts commandLine with workingFolder as its current folder and does not
    // wait for it. False when the program could not be started.
    virtual bool startProgram(const QString& commandLine, const QString& workingFolder) = 0;

    // Shows folder (relative to the current folder unless absolute) in the
    // desktop's file browser.
    virtual bool openFolder(const QString& folder) = 0;
};
