#pragma once

#include <QString>

// Why the last request to the desktop failed, for a message to the user.
struct DesktopFailure {
    enum class Reason {
        None,           // nothing failed, or the reason is not known
        NotFound,       // the file, folder or program does not exist
        WindowsProgram, // ".exe", ".bat", ".cmd", ".com" or ".msi" where Windows is not
        NotAProgram,    // a file that cannot be run (no execute bit, no script, no program)
        NoApplication,  // the desktop has nothing to open the document or address with
        CannotStart,    // the system refused to start the program
    };
    Reason reason = Reason::None;
    QString file; // the file, folder, program or address concerned, as the system names it
    friend bool operator==(const DesktopFailure&, const DesktopFailure&) = default;
};

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

    // Why the last of the calls above that returned false failed.
    virtual DesktopFailure lastFailure() const = 0;
};
